#include "input/fill_load_screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <memory>

#include "input/section_view.h"
#include "tests/case_name.h"
#include "tests/core/one_block_project.h"
#include "tests/input/screen_harness.h"
#include "tests/widgets/scripted_message_box.h"
#include "widgets/numeric_field.h"

namespace nubera::input {
namespace {

using test::Child;
using test::Click;
using test::PressEnter;
using test::Type;

const QString kConfirm = QStringLiteral("入力された盛土荷重は上図の通りです。\n確定しますか？");
const QString kMissingValue =
    QStringLiteral("入力してください。設定しない場合は、\"0\"を入力してください。");

// Entry texts in list order: base, A, B, C, h, hy, unit weight.
using BlockTexts = std::array<const char*, 7>;

class FillScreenTest : public ::testing::Test {
  protected:
    void Open() {
        screen = std::make_unique<input::FillLoadScreen>(FillLoadsOf(project), SelectedPlacement(),
                                                         project.focusPoints.has_value(), messages,
                                                         test::FigureFolder());
        QObject::connect(screen.get(), &input::FillLoadScreen::ManualPointsDiscarded,
                         [this](bool on) {
                             ++unsetShown;
                             pointsEntryEnabled = on;
                         });
        test::ShowActive(*screen);
        const char* names[] = {"TXT_Base", "TXT_A",  "TXT_B",     "TXT_C",
                               "TXT_h",    "TXT_hy", "TXT_土重量"};
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            boxes[i] = Child<widgets::NumericField>(*screen, QString::fromUtf8(names[i]));
        }
        qx = Child<widgets::NumericField>(*screen, QStringLiteral("TXT_qX"));
        grid = Child<input::ListGrid>(*screen, QStringLiteral("VSF_List"));
        add = Child<QPushButton>(*screen, QStringLiteral("CMD_Upd"));
        drawing = Child<input::SectionView>(*screen, QStringLiteral("PIC_QView"));
        picture = Child<QLabel>(*screen, QStringLiteral("PIC_View"));
    }

    // Types a block and ends it with Enter in the unit-weight box.
    void EnterBlock(const BlockTexts& texts) {
        if (qx->text().isEmpty()) Type(qx, QStringLiteral("0"));
        for (std::size_t i = 0; i < boxes.size(); ++i) Type(boxes[i], QString::fromUtf8(texts[i]));
        PressEnter(boxes.back());
    }

    void Ok() { Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Exec"))); }

    Placement SelectedPlacement() const {
        return manual ? Placement::Manual : Placement::Automatic;
    }

    // The project once the opener has committed what the screen accepted.
    ProjectData Committed() const {
        ProjectData committed = project;
        if (screen->result() == QDialog::Accepted) {
            CommitFillLoads(screen->Loads(), SelectedPlacement(), committed);
        }
        return committed;
    }

    ProjectData project;
    test::ScriptedMessageBox messages;
    bool manual = false;
    int unsetShown = 0;
    std::optional<bool> pointsEntryEnabled;
    std::unique_ptr<input::FillLoadScreen> screen;
    std::array<widgets::NumericField*, 7> boxes{};
    widgets::NumericField* qx = nullptr;
    input::ListGrid* grid = nullptr;
    QPushButton* add = nullptr;
    input::SectionView* drawing = nullptr;
    QLabel* picture = nullptr;
};

const BlockTexts kLower{"0", "2", "5", "2", "2", "0.5", "18"};
const BlockTexts kUpper{"2", "1", "3", "1", "1", "", "19"};

TEST_F(FillScreenTest, OpensWithHeadingsOverTheColumns) {
    Open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("盛土荷重入力画面"));
    EXPECT_EQ(Child<QLabel>(*screen, QStringLiteral("LBL_Title_0"))->text(),
              QStringLiteral("q:分布荷重"));
    EXPECT_EQ(Child<QLabel>(*screen, QStringLiteral("LBL_Title2_3"))->text(),
              QStringLiteral("B:天端幅"));
    auto* heading = Child<QLabel>(*screen, QStringLiteral("LBL_Title_3"));
    EXPECT_EQ(heading->mapTo(screen.get(), QPoint(0, 0)).x(),
              boxes[2]->mapTo(screen.get(), QPoint(0, 0)).x());
    EXPECT_EQ(heading->width(), grid->columnWidth(3));
    EXPECT_TRUE(drawing->isHidden());
    EXPECT_FALSE(picture->isHidden());
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(FillScreenTest, AddingDerivesTheTotalHeightAndLoad) {
    Open();
    EnterBlock(kLower);
    EnterBlock(kUpper);
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(test::RowTexts(grid, 0), (QStringList{"q1", "0.00", "2.00", "5.00", "2.00", "2.00",
                                                    "0.50", "2.50", "18.00", "45.00"}));
    EXPECT_EQ(test::RowTexts(grid, 1), (QStringList{"q2", "2.00", "1.00", "3.00", "1.00", "1.00",
                                                    "0", "1.00", "19.00", "19.00"}));
    EXPECT_TRUE(boxes[0]->hasFocus());
    EXPECT_TRUE(boxes[0]->text().isEmpty());

    test::ClickRow(grid, 1);
    EXPECT_EQ(add->text(), QStringLiteral("更新"));
    EXPECT_EQ(boxes[4]->text(), QStringLiteral("1.00"));
    test::ClickRow(grid, 0);
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Del")));
    EXPECT_EQ(grid->Rows(), 1);
    EXPECT_EQ(grid->CurrentRow(), -1);
    EXPECT_EQ(test::RowTexts(grid, 0).mid(0, 2), (QStringList{"q1", "2.00"}));  // relabelled
    EXPECT_EQ(add->text(), QStringLiteral("追加"));
}

struct CheckCase {
    const char* name;
    BlockTexts texts;
    const char* surcharge;
    const char* message;
    const char* focus;
};

class FillEntryCheck : public FillScreenTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(FillEntryCheck, StopsAtTheFirstFaultWithTheFocusOnItsBox) {
    Open();
    Type(qx, QString::fromUtf8(GetParam().surcharge));
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        Type(boxes[i], QString::fromUtf8(GetParam().texts[i]));
    }
    Click(add);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QString::fromUtf8(GetParam().message)});
    EXPECT_TRUE(Child<QWidget>(*screen, QString::fromUtf8(GetParam().focus))->hasFocus());
    EXPECT_EQ(grid->Rows(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillEntryCheck,
    ::testing::Values(
        CheckCase{"no_base",
                  {"", "2", "5", "2", "2", "", "18"},
                  "0",
                  "入力してください。設定しない場合は、\"0\"を入力してください。",
                  "TXT_Base"},
        CheckCase{
            "bad_c", {"0", "2", "5", ".", "2", "", "18"}, "0", "入力された値が不正です。", "TXT_C"},
        CheckCase{
            "no_height", {"0", "2", "5", "2", "", "", "18"}, "0", "入力してください。", "TXT_h"},
        CheckCase{"zero_height",
                  {"0", "2", "5", "2", "0.00", "", "18"},
                  "0",
                  "0より大きい値を入力してください。",
                  "TXT_h"},
        // A height that would be listed as 0.00 is no height either.
        CheckCase{"height_rounding_to_zero",
                  {"0", "2", "5", "2", "0.004", "", "18"},
                  "0",
                  "0より大きい値を入力してください。",
                  "TXT_h"},
        CheckCase{"no_weight",
                  {"0", "2", "5", "2", "2", "", ""},
                  "0",
                  "入力してください。設定しない場合は、\"0\"を入力してください。",
                  "TXT_土重量"},
        CheckCase{"no_surcharge",
                  {"0", "2", "5", "2", "2", "", "18"},
                  "",
                  "入力してください。設定しない場合は、\"0\"を入力してください。",
                  "TXT_qX"}),
    test::CaseName());

TEST_F(FillScreenTest, TheAddCheckLeavesTheLimitToEnter) {
    Open();
    EnterBlock({"0", "150", "5", "2", "2", "", "18"});
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(grid->Text(0, 2), QStringLiteral("150.00"));
    Type(boxes[1], QStringLiteral("100.001"));
    PressEnter(boxes[1]);
    EXPECT_EQ(messages.Texts(),
              std::vector<QString>{QStringLiteral("入力値は100以下にしてください。")});
}

TEST_F(FillScreenTest, FiveBlocksAreTheLimitOnEveryPath) {
    Open();
    for (int i = 0; i < 5; ++i) EnterBlock(kLower);
    EXPECT_FALSE(add->isEnabled());
    EnterBlock(kLower);
    EXPECT_EQ(messages.Texts(),
              std::vector<QString>{QStringLiteral("分布荷重は５つまで入力可能です。")});
    EXPECT_EQ(grid->Rows(), 5);
    test::ClickRow(grid, 4);
    EXPECT_TRUE(add->isEnabled());
    EXPECT_EQ(add->text(), QStringLiteral("更新"));
}

struct StackCase {
    const char* name;
    BlockTexts upper;
    BlockTexts lower;
    int row;
    const char* focus;
    const char* message;
};

class StackingTest : public FillScreenTest, public ::testing::WithParamInterface<StackCase> {};

TEST_P(StackingTest, LoadsTheOffendingBlockForEditing) {
    Open();
    EnterBlock(GetParam().upper);
    EnterBlock(GetParam().lower);
    Ok();
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(add->text(), QStringLiteral("更新"));
    EXPECT_EQ(grid->CurrentRow(), GetParam().row);
    EXPECT_EQ(boxes[0]->text(), grid->Text(GetParam().row, 1));
    EXPECT_TRUE(Child<QWidget>(*screen, QString::fromUtf8(GetParam().focus))->hasFocus());
    EXPECT_TRUE(screen->isVisible());
    EXPECT_FALSE(Committed().fillLoads);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StackingTest,
    ::testing::Values(
        StackCase{"bottom_not_at_zero",
                  kUpper,
                  {"0.01", "2", "5", "2", "2", "", "18"},
                  1,
                  "TXT_Base",
                  "最下段の基準点距離は\"0\"にしてください。"},
        StackCase{
            "left_of_the_crest",
            {"1.99", "1", "3", "1", "1", "", "19"},
            kLower,
            0,
            "TXT_Base",
            "基準点距離が不正です。\nq1の基準点距離はq2の天端幅内になる様に設定してください。"},
        StackCase{"beyond_the_crest",
                  {"2", "1", "3", "1.01", "1", "", "19"},
                  kLower,
                  0,
                  "TXT_A",
                  "全体長が不正です。\nq1の全体長はq2の天端幅内になる様に設定してください。"}),
    test::CaseName());

TEST_F(FillScreenTest, ConfirmedSingleBlockIsWrittenExactly) {
    Open();
    Type(qx, QStringLiteral("10"));
    EnterBlock({"0", "1", "6", "3", "2", "0.5", "18"});
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    Ok();
    ASSERT_EQ(messages.Texts(), std::vector<QString>{kConfirm});
    EXPECT_EQ(messages.Shown()[0].centredOver, Child<QWidget>(*screen, QStringLiteral("Frame1")));
    EXPECT_FALSE(screen->isVisible());

    EXPECT_EQ(Committed().fillLoads, test::FillBlock({2, 0.5, 2.5, 18, 45, 0, 1, 6, 3, 8, 5}));
    SurchargeTable surcharge = MakeSurchargeTable();
    surcharge.ResizeRows(1);
    surcharge.At(surcharge_column::kLoad, 0) = Cell::Number(10);
    surcharge.At(surcharge_column::kLoadingWidth, 0) = Cell::Number(6);
    surcharge.At(surcharge_column::kCentreOffset, 0) = Cell::Text("0");
    EXPECT_EQ(Committed().surcharge, surcharge);
}

TEST_F(FillScreenTest, StackedBlocksTakeTheirSurchargeFromTheTopCrest) {
    project.surcharge = MakeSurchargeTable();
    Open();
    Type(qx, QStringLiteral("0"));
    EnterBlock({"3", "1", "2", "1", "1", "", "19"});  // centre 5, on the crest 2 to 7
    EnterBlock(kLower);                               // centre 4.5
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    Ok();
    ASSERT_TRUE(Committed().fillLoads);
    EXPECT_EQ(Committed().fillLoads->At(fill_column::kCentreOffset, 0), Cell::Number(0));
    EXPECT_EQ(Committed().fillLoads->At(fill_column::kCentreOffset, 1), Cell::Number(-0.5));
    EXPECT_FALSE(Committed().surcharge);  // qX of 0 means none
}

TEST_F(FillScreenTest, NoToTheQuestionKeepsTheDrawingAndCtrlEnterTogglesIt) {
    Open();
    EnterBlock(kLower);
    messages.PlanAnswers({widgets::MsgAnswer::No});
    Ok();
    EXPECT_TRUE(screen->isVisible());
    EXPECT_FALSE(Committed().fillLoads);
    EXPECT_FALSE(drawing->isHidden());
    EXPECT_TRUE(picture->isHidden());
    EXPECT_EQ(drawing->Figure().lines.size(), 5u);

    boxes[1]->setFocus();
    PressEnter(boxes[1], Qt::ControlModifier);
    EXPECT_TRUE(drawing->isHidden());
    EXPECT_FALSE(picture->isHidden());
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_FALSE(drawing->isHidden());
    EXPECT_TRUE(picture->isHidden());
}

TEST_F(FillScreenTest, CtrlEnterOnTheFocusedOkButtonOnlyTogglesTheFigure) {
    Open();
    EnterBlock(kLower);
    messages.PlanAnswers({widgets::MsgAnswer::No});
    auto* ok = Child<QPushButton>(*screen, QStringLiteral("CMD_Exec"));
    Click(ok);
    ASSERT_EQ(QApplication::focusWidget(), ok);
    messages.Clear();
    PressEnter(ok, Qt::ControlModifier);
    EXPECT_TRUE(messages.Texts().empty());  // ＯＫ did not run again
    EXPECT_TRUE(drawing->isHidden());
    EXPECT_FALSE(picture->isHidden());
}

TEST_F(FillScreenTest, EnterOnTheListLoadsItsRowAndPressesNoButton) {
    Open();
    EnterBlock(kLower);
    test::ClickRow(grid, 0);
    // A click below the rows leaves the list with the focus and row q1 current.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(5, grid->viewport()->height() - 5));
    ASSERT_EQ(QApplication::focusWidget(), grid);
    PressEnter(grid);
    EXPECT_EQ(grid->DataRows(), 1);  // 行削除 was not pressed with it
    EXPECT_EQ(add->text(), QStringLiteral("更新"));
    EXPECT_EQ(QApplication::focusWidget(), boxes[0]);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(FillScreenTest, CommitInManualModeDiscardsTheManualPoints) {
    manual = true;
    project.focusPoints = FocusPointList{};
    Open();
    EnterBlock(kLower);
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    Ok();
    EXPECT_EQ(
        messages.Texts(),
        (std::vector<QString>{kConfirm, QStringLiteral("手動で設定した着目点はクリアされました。"
                                                       "\n再設定してください。")}));
    EXPECT_EQ(messages.Shown()[1].icon, widgets::MsgIcon::Information);
    EXPECT_FALSE(Committed().focusPoints);
    EXPECT_EQ(unsetShown, 1);
    EXPECT_EQ(pointsEntryEnabled, true);
}

TEST_F(FillScreenTest, AnEmptyListRemovesTheFillAndThePointsSilently) {
    manual = true;
    project.fillLoads = BuildFillLoadTable({{.base = 0, .a = 1, .b = 6, .c = 3, .h = 2}});
    project.focusPoints = FocusPointList{};
    const SurchargeTable surcharge = BuildSurchargeTable(5, FillBlocksOf(*project.fillLoads));
    project.surcharge = surcharge;
    Open();
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Alldel")));
    messages.Clear();
    Ok();
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(Committed().fillLoads);
    EXPECT_FALSE(Committed().focusPoints);
    EXPECT_EQ(Committed().surcharge, surcharge);  // left as it was
    EXPECT_EQ(pointsEntryEnabled, false);
}

TEST_F(FillScreenTest, ASurchargeOverTheLimitStopsOk) {
    Open();
    Type(qx, QStringLiteral("100.5"));
    Ok();
    EXPECT_EQ(messages.Texts(),
              std::vector<QString>{QStringLiteral("入力値は100以下にしてください。")});
    EXPECT_TRUE(qx->hasFocus());
    EXPECT_TRUE(screen->isVisible());
}

// Manual points set on this fill and surcharge: opening the screen and closing
// it unchanged asks nothing and keeps them.
TEST_F(FillScreenTest, AnUnchangedScreenClosesWithoutAQuestionAndKeepsThePoints) {
    manual = true;
    project.fillLoads = BuildFillLoadTable({{.base = 0,
                                             .a = 1,
                                             .b = 6,
                                             .c = 3,
                                             .h = 2,
                                             .totalHeight = 2,
                                             .unitWeight = 18,
                                             .load = 36}});
    project.surcharge = BuildSurchargeTable(12.5, FillBlocksOf(*project.fillLoads));
    project.focusPoints = FocusPointList{Cell::Number(-1), Cell::Number(2)};
    const ProjectData before = project;
    Open();
    EXPECT_EQ(qx->text(), QStringLiteral("12.50"));
    EXPECT_EQ(test::RowTexts(grid, 0), (QStringList{"q1", "0.00", "1.00", "6.00", "3.00", "2.00",
                                                    "0.00", "2.00", "18.00", "36.00"}));
    EXPECT_TRUE(screen->close());
    Open();
    Ok();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(unsetShown, 0);
    EXPECT_EQ(Committed(), before);
}

// The points are measured from the blocks: a new surcharge on the same blocks
// keeps them, and the blocks stay exactly as they were.
TEST_F(FillScreenTest, ASurchargeChangedAloneKeepsThePoints) {
    manual = true;
    project.fillLoads = BuildFillLoadTable({{.base = 0, .a = 1, .b = 6, .c = 3, .h = 2.345}});
    project.focusPoints = FocusPointList{Cell::Number(-1)};
    Open();
    Type(qx, QStringLiteral("8"));
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    Ok();
    EXPECT_EQ(messages.Texts(), std::vector<QString>{kConfirm});
    EXPECT_EQ(unsetShown, 0);
    EXPECT_EQ(Committed().fillLoads, project.fillLoads);
    EXPECT_EQ(Committed().focusPoints, project.focusPoints);
    ASSERT_TRUE(Committed().surcharge);
    EXPECT_EQ(Committed().surcharge->Number(surcharge_column::kLoad, 0), 8);
}

// Esc asks about the changes; Esc (キャンセル) on the question goes back to the
// screen with its entries, and only No throws them away.
TEST_F(FillScreenTest, EscOnTheChangedQuestionReturnsToTheScreen) {
    Open();
    EnterBlock(kLower);
    messages.PlanAnswers({widgets::MsgAnswer::Cancel, widgets::MsgAnswer::Cancel});
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(grid->DataRows(), 1);
    ASSERT_EQ(messages.Shown().size(), 2u);
    EXPECT_EQ(messages.Shown()[0].text,
              QStringLiteral("データが変更されています。\n更新しますか？"));
    EXPECT_EQ(messages.Shown()[0].buttons, widgets::MsgButtons::YesNoCancel);
    messages.PlanAnswers({widgets::MsgAnswer::No});
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(Committed(), ProjectData{});
}

TEST_F(FillScreenTest, CloseBoxYesRunsTheStackingCheckAndTheQuestion) {
    Open();
    EnterBlock({"0.5", "2", "5", "2", "2", "", "18"});
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    EXPECT_FALSE(screen->close());
    EXPECT_EQ(messages.Texts().back(), QStringLiteral("最下段の基準点距離は\"0\"にしてください。"));
    Type(boxes[0], QStringLiteral("0"));
    Click(add);
    messages.PlanAnswers({widgets::MsgAnswer::Yes, widgets::MsgAnswer::No});
    EXPECT_FALSE(screen->close());  // No to the drawing keeps the screen
    EXPECT_EQ(messages.Texts().back(), kConfirm);
    messages.PlanAnswers({widgets::MsgAnswer::Yes, widgets::MsgAnswer::Yes});
    EXPECT_TRUE(screen->close());
    EXPECT_TRUE(Committed().fillLoads);
}

TEST_F(FillScreenTest, CancelWritesNothing) {
    project.fillLoads = BuildFillLoadTable({{.base = 0, .a = 1, .b = 6, .c = 3, .h = 2}});
    const ProjectData before = project;
    Open();
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Alldel")));
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Cancel")));
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(
        messages.Texts(),
        std::vector<QString>{QStringLiteral("盛土荷重入力をクリアします。\nよろしいですか？")});
    EXPECT_EQ(Committed(), before);
}

}  // namespace
}  // namespace nubera::input

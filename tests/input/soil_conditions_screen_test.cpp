#include "input/soil_conditions_screen.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <memory>

#include "tests/case_name.h"
#include "tests/input/screen_harness.h"
#include "tests/widgets/scripted_message_box.h"
#include "widgets/numeric_field.h"

namespace nubera::input {
namespace {

using ::testing::EndsWith;

using test::Child;
using test::Click;
using test::PressEnter;
using test::Type;

const QString kLimit = QStringLiteral("土質条件は２０層まで入力可能です。");
const QString kEnterValue = QStringLiteral("入力してください。");

SoilLayerTable Layers(std::initializer_list<std::array<double, 3>> rows) {
    SoilLayerTable table = MakeSoilLayerTable();
    table.ResizeRows(rows.size());
    std::size_t r = 0;
    for (const auto& row : rows) {
        for (std::size_t column = 0; column < 3; ++column) {
            table.At(column, r) = Cell::Number(row[column]);
        }
        ++r;
    }
    return table;
}

class SoilScreenTest : public ::testing::Test {
  protected:
    void Open() {
        screen = std::make_unique<input::SoilConditionsScreen>(SoilConditionsOf(project), messages,
                                                               test::FigureFolder());
        test::ShowActive(*screen);
        width = Child<widgets::NumericField>(*screen, QStringLiteral("TXT_開削幅"));
        levee = Child<widgets::NumericField>(*screen, QStringLiteral("TXT_堤体幅"));
        thickness = Child<widgets::NumericField>(*screen, QStringLiteral("TXT_層厚"));
        depth = Child<QLabel>(*screen, QStringLiteral("LBL_深度1"));
        modulus = Child<widgets::NumericField>(*screen, QStringLiteral("TXT_変形係数Es"));
        grid = Child<input::ListGrid>(*screen, QStringLiteral("VSF_List"));
        add = Child<QPushButton>(*screen, QStringLiteral("CMD_Upd"));
        remove = Child<QPushButton>(*screen, QStringLiteral("CMD_Del"));
    }

    void AddLayer(const QString& t, const QString& es) {
        Type(thickness, t);
        Type(modulus, es);
        Click(add);
    }

    QStringList Depths() const {
        QStringList depths;
        for (int row = 1; row < grid->Rows(); ++row) depths << grid->Text(row, 1);
        return depths;
    }

    // The project and the results once the opener has committed what the
    // screen accepted.
    std::pair<ProjectData, CalcResults> CommittedState() const {
        std::pair<ProjectData, CalcResults> state{project, results};
        if (screen->result() == QDialog::Accepted) {
            CommitSoilConditions(screen->Conditions(), state.first, state.second);
        }
        return state;
    }
    ProjectData Committed() const { return CommittedState().first; }
    CalcResults CommittedResults() const { return CommittedState().second; }

    ProjectData project;
    CalcResults results;
    test::ScriptedMessageBox messages;
    std::unique_ptr<input::SoilConditionsScreen> screen;
    widgets::NumericField* width = nullptr;
    widgets::NumericField* levee = nullptr;
    widgets::NumericField* thickness = nullptr;
    QLabel* depth = nullptr;
    widgets::NumericField* modulus = nullptr;
    input::ListGrid* grid = nullptr;
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;
};

TEST_F(SoilScreenTest, OpensWithItsTextsAndAFixedHeaderRow) {
    Open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("土質条件入力画面"));
    EXPECT_EQ(grid->Rows(), 1);
    EXPECT_EQ(grid->CurrentRow(), -1);
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("変形係数Es(kN/㎡)"));
    EXPECT_EQ(add->text(), QStringLiteral("追加"));
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_TRUE(messages.Shown().empty());  // the figure was found
}

TEST_F(SoilScreenTest, AddUpdateAndDeleteKeepDepthsCumulative) {
    Open();
    AddLayer(QStringLiteral("2.5"), QStringLiteral("03000"));
    EXPECT_EQ(test::RowTexts(grid, 1), (QStringList{QStringLiteral("2.50"), QStringLiteral("2.50"),
                                                    QStringLiteral("3000")}));
    Type(thickness, QStringLiteral("1.25"));
    PressEnter(thickness);
    EXPECT_EQ(depth->text(), QStringLiteral("3.75"));  // shown before the layer is added
    EXPECT_TRUE(modulus->hasFocus());
    Type(modulus, QStringLiteral("5000"));
    PressEnter(modulus);  // Enter in Es adds the layer
    AddLayer(QStringLiteral("2"), QStringLiteral("7000"));
    EXPECT_EQ(Depths(), (QStringList{"2.50", "3.75", "5.75"}));
    EXPECT_TRUE(thickness->hasFocus());

    test::ClickRow(grid, 1);
    EXPECT_EQ(add->text(), QStringLiteral("更新"));
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_EQ(thickness->text(), QStringLiteral("2.50"));
    AddLayer(QStringLiteral("3"), QStringLiteral("3000"));
    EXPECT_EQ(Depths(), (QStringList{"3.00", "4.25", "6.25"}));
    EXPECT_EQ(add->text(), QStringLiteral("追加"));

    test::ClickRow(grid, 2);
    Click(remove);
    EXPECT_EQ(Depths(), (QStringList{"3.00", "5.00"}));  // the layer below moved up
    EXPECT_EQ(grid->CurrentRow(), -1);
    EXPECT_FALSE(remove->isEnabled());

    test::ClickRow(grid, 2);  // a click with no row current takes the clicked row
    EXPECT_EQ(thickness->text(), QStringLiteral("2.00"));
    EXPECT_TRUE(grid->editTriggers() == QAbstractItemView::NoEditTriggers);
}

struct EntryCase {
    const char* name;
    const char* thickness;
    const char* modulus;
    const char* message;
    const char* focus;
};

class SoilEntryCheck : public SoilScreenTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(SoilEntryCheck, StopsAtTheFirstFaultWithTheFocusOnItsBox) {
    Open();
    Type(thickness, QString::fromUtf8(GetParam().thickness));
    Type(modulus, QString::fromUtf8(GetParam().modulus));
    Click(add);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Exclamation);
    QWidget* focus = Child<QWidget>(*screen, QString::fromUtf8(GetParam().focus));
    EXPECT_TRUE(focus->hasFocus());
    // The message's title names the box, whose caption its name carries.
    EXPECT_EQ(QStringLiteral("TXT_") + messages.Shown()[0].field, focus->objectName());
    EXPECT_EQ(grid->Rows(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SoilEntryCheck,
    ::testing::Values(EntryCase{"no_thickness", "", "3000", "入力してください。", "TXT_層厚"},
                      EntryCase{"lone_point", ".", "3000", "入力された値が不正です。", "TXT_層厚"},
                      EntryCase{"over_limit", "100.001", "3000", "入力値は100以下にしてください。",
                                "TXT_層厚"},
                      EntryCase{"no_modulus", "100", "", "入力してください。", "TXT_変形係数Es"}),
    test::CaseName());

// What a box shows is what goes into the layer: Es takes a decimal point,
// full-width digits go in as digits, a minus is refused rather than dropped.
TEST_F(SoilScreenTest, TheBoxesTakeDecimalsAndFullWidthDigitsAsTyped) {
    Open();
    AddLayer(QStringLiteral("２．５"), QStringLiteral("2800.5"));
    EXPECT_EQ(grid->Text(1, 0), QStringLiteral("2.50"));
    EXPECT_EQ(grid->Text(1, 2), QStringLiteral("2800.5"));
    Type(width, QStringLiteral("１２"));
    EXPECT_EQ(width->text(), QStringLiteral("12"));
    Type(levee, QStringLiteral("-"));
    EXPECT_EQ(levee->text(), QString());
    EXPECT_FALSE(levee->LastRefusal().isEmpty());
    Type(levee, QStringLiteral("20"));
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Exec")));
    const SoilConditions accepted = screen->Conditions();
    EXPECT_EQ(accepted.excavationWidth, 12);
    ASSERT_TRUE(accepted.layers);
    EXPECT_EQ(accepted.layers->Number(soil_column::kModulus, 0), 2800.5);
}

TEST_F(SoilScreenTest, AModulusBeyondAnyNumberIsRefusedNotTurnedIntoZero) {
    Open();
    const QString huge(400, u'9');
    Type(thickness, QStringLiteral("2"));
    Type(modulus, huge);
    PressEnter(modulus);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("入力された値が不正です。")});
    EXPECT_TRUE(modulus->hasFocus());
    EXPECT_EQ(modulus->text(), huge);
    EXPECT_EQ(grid->DataRows(), 0);
}

TEST_F(SoilScreenTest, TwentyLayersAreTheLimitOnEveryPath) {
    Open();
    for (int i = 0; i < 20; ++i) AddLayer(QStringLiteral("1"), QStringLiteral("1000"));
    EXPECT_FALSE(add->isEnabled());
    Type(thickness, QStringLiteral("1"));
    Type(modulus, QStringLiteral("1000"));
    PressEnter(modulus);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{kLimit});
    EXPECT_EQ(grid->Rows(), 21);

    test::ClickRow(grid, 20);  // a listed layer can still be updated
    EXPECT_TRUE(add->isEnabled());
    AddLayer(QStringLiteral("2"), QStringLiteral("1000"));
    EXPECT_EQ(grid->Text(20, 1), QStringLiteral("21.00"));
    EXPECT_FALSE(add->isEnabled());
}

// The list shows ten layers at a time: every layer added (the 11th, the 20th)
// or updated is scrolled into sight.
TEST_F(SoilScreenTest, TheAddedOrUpdatedLayerIsInSight) {
    const auto inSight = [this](int row) {
        const QRect cell = grid->visualItemRect(grid->item(row - grid->FixedRows(), 0));
        return cell.isValid() && grid->viewport()->rect().contains(cell);
    };
    Open();
    for (int layer = 1; layer <= 20; ++layer) {
        AddLayer(QStringLiteral("1"), QStringLiteral("1000"));
        EXPECT_TRUE(inSight(layer)) << layer;
    }
    grid->scrollToTop();
    test::ClickRow(grid, 3);
    grid->scrollToBottom();
    AddLayer(QStringLiteral("2"), QStringLiteral("1000"));
    EXPECT_TRUE(inSight(3));
}

TEST_F(SoilScreenTest, ALoadedTableOfTwentyLayersTakesNoMore) {
    SoilLayerTable table = MakeSoilLayerTable();
    table.ResizeRows(20);
    for (std::size_t r = 0; r < 20; ++r) {
        table.At(soil_column::kThickness, r) = Cell::Number(1);
        table.At(soil_column::kDepth, r) = Cell::Number(r + 1.0);
        table.At(soil_column::kModulus, r) = Cell::Number(1000);
    }
    project.soilLayers = table;
    Open();
    Type(thickness, QStringLiteral("1"));
    Type(modulus, QStringLiteral("1000"));
    PressEnter(modulus);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{kLimit});
    EXPECT_EQ(grid->Rows(), 21);
}

TEST_F(SoilScreenTest, OkWritesTheProjectAndComputesEm) {
    Open();
    AddLayer(QStringLiteral("5"), QStringLiteral("6860"));
    AddLayer(QStringLiteral("5"), QStringLiteral("14000"));
    Type(width, QStringLiteral("10"));
    Type(levee, QStringLiteral("20.005"));
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Exec")));
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(Committed().soilLayers, Layers({{5, 5, 6860}, {5, 10, 14000}}));
    EXPECT_EQ(Committed().excavationWidth, 10);
    EXPECT_EQ(Committed().leveeWidth, 20.01);
    EXPECT_EQ(levee->text(), QStringLiteral("20.01"));
    EXPECT_GT(CommittedResults().equivalentModulus, 0);
}

TEST_F(SoilScreenTest, OkOnAnEmptyScreenClearsTheSoilWithoutEm) {
    project.soilLayers = Layers({{5, 5, 6860}});
    project.excavationWidth = 10;
    project.leveeWidth = 20;
    results.equivalentModulus = 123;
    Open();
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Alldel")));
    EXPECT_EQ(messages.Texts(),
              std::vector<QString>{QStringLiteral("土質条件をクリアします。\nよろしいですか？")});
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Exec")));
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(Committed().soilLayers);
    EXPECT_EQ(Committed().excavationWidth, 0);
    EXPECT_EQ(Committed().leveeWidth, 0);
    EXPECT_EQ(CommittedResults().equivalentModulus, 123);
}

TEST_F(SoilScreenTest, OkChecksTheWidthsFirstAndWritesNothingOnAFault) {
    Open();
    AddLayer(QStringLiteral("5"), QStringLiteral("6860"));
    Type(levee, QStringLiteral("150"));
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Exec")));
    EXPECT_EQ(messages.Texts(), std::vector<QString>{kEnterValue});
    EXPECT_TRUE(width->hasFocus());
    Type(width, QStringLiteral("10"));
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Exec")));
    EXPECT_EQ(messages.Texts().back(), QStringLiteral("入力値は100以下にしてください。"));
    EXPECT_TRUE(levee->hasFocus());
    EXPECT_EQ(levee->selectedText(), QStringLiteral("150"));
    EXPECT_TRUE(screen->isVisible());
    EXPECT_FALSE(Committed().soilLayers);
}

TEST_F(SoilScreenTest, AnEmThatCannotBeUsedKeepsTheScreenOpen) {
    Open();
    AddLayer(QStringLiteral("5"), QStringLiteral("0"));
    Type(width, QStringLiteral("10"));
    Type(levee, QStringLiteral("20"));
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Exec")));
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Exclamation);
    EXPECT_THAT(messages.Texts()[0].toStdString(), EndsWith("入力した内容をご確認ください。"));
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(width->hasFocus());
    EXPECT_EQ(Committed(), ProjectData{});  // nothing is taken
}

// ＯＫ refused for its Em takes nothing: whichever way the screen is then
// left without a successful commit, the project's layers stay as they were,
// and the close box's Yes checks Em as ＯＫ does.
TEST_F(SoilScreenTest, ARefusedOkLeavesTheProjectAsItWasWhateverFollows) {
    project.soilLayers = Layers({{2.5, 2.5, 3000}});
    project.excavationWidth = 8;
    project.leveeWidth = 30;
    const ProjectData before = project;
    for (const char* way : {"cancel", "close box, Yes then No", "Esc, Cancel then No"}) {
        SCOPED_TRACE(way);
        messages.Clear();
        Open();
        messages.PlanAnswers({widgets::MsgAnswer::Yes});
        Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Alldel")));
        Type(width, QStringLiteral("10"));
        Type(levee, QStringLiteral("20"));
        AddLayer(QStringLiteral("5"), QStringLiteral("0"));
        Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Exec")));
        ASSERT_TRUE(screen->isVisible());
        const std::string chosen = way;
        if (chosen == "cancel") {
            Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Cancel")));
        } else if (chosen == "close box, Yes then No") {
            messages.PlanAnswers({widgets::MsgAnswer::Yes});
            EXPECT_FALSE(screen->close());
            EXPECT_THAT(messages.Texts().back().toStdString(),
                        EndsWith("入力した内容をご確認ください。"));
            messages.PlanAnswers({widgets::MsgAnswer::No});
            EXPECT_TRUE(screen->close());
        } else {
            messages.PlanAnswers({widgets::MsgAnswer::Cancel});
            QTest::keyClick(screen.get(), Qt::Key_Escape);
            EXPECT_TRUE(screen->isVisible());
            messages.PlanAnswers({widgets::MsgAnswer::No});
            QTest::keyClick(screen.get(), Qt::Key_Escape);
        }
        EXPECT_FALSE(screen->isVisible());
        EXPECT_EQ(Committed(), before);
        EXPECT_TRUE(messages.AllAnswersUsed());
    }
}

TEST_F(SoilScreenTest, EqualWidthsGiveEmZeroAndItsMessage) {
    Open();
    AddLayer(QStringLiteral("5"), QStringLiteral("6860"));
    Type(width, QStringLiteral("10"));
    Type(levee, QStringLiteral("10"));
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Exec")));
    EXPECT_EQ(messages.Texts(),
              std::vector<QString>{QStringLiteral(
                  "Em値(換算変形係数)の値が0になりました。\nEm値が0の場合は、計算できません。"
                  "\n入力した内容をご確認ください。")});
    EXPECT_TRUE(screen->isVisible());
}

// Loading the project's values is no change: closing (by the close box or by
// ＯＫ) asks nothing and hands nothing back; an edit undone is no change either.
TEST_F(SoilScreenTest, AScreenClosedAsItOpenedAsksNothingAndChangesNothing) {
    project.soilLayers = Layers({{2.5, 2.5, 3000}, {1.25, 3.75, 5000}});
    project.excavationWidth = 10;
    project.leveeWidth = 20.5;
    const ProjectData before = project;
    Open();
    EXPECT_EQ(width->text(), QStringLiteral("10"));
    EXPECT_EQ(levee->text(), QStringLiteral("20.5"));
    EXPECT_EQ(test::RowTexts(grid, 2), (QStringList{"1.25", "3.75", "5000"}));
    EXPECT_TRUE(screen->close());
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(screen->result(), QDialog::Rejected);

    Open();
    Type(width, QStringLiteral("12"));
    EXPECT_TRUE(screen->Changed());
    Type(width, QStringLiteral("10"));
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Exec")));
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(Committed(), before);
}

TEST_F(SoilScreenTest, CloseBoxYesCommitsOrStaysOpenOnAFault) {
    Open();
    AddLayer(QStringLiteral("5"), QStringLiteral("6860"));
    Type(levee, QStringLiteral("20"));
    messages.PlanAnswers({widgets::MsgAnswer::Yes, widgets::MsgAnswer::Yes});
    EXPECT_FALSE(screen->close());
    EXPECT_EQ(messages.Texts().back(), kEnterValue);
    EXPECT_TRUE(width->hasFocus());
    Type(width, QStringLiteral("10"));
    EXPECT_TRUE(screen->close());
    EXPECT_EQ(Committed().soilLayers, Layers({{5, 5, 6860}}));
    EXPECT_EQ(Committed().excavationWidth, 10);
}

TEST_F(SoilScreenTest, CancelWritesNothingAndAsksNothing) {
    Open();
    AddLayer(QStringLiteral("5"), QStringLiteral("6860"));
    Type(width, QStringLiteral("10"));
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Cancel")));
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(Committed(), ProjectData{});
}

}  // namespace
}  // namespace nubera::input

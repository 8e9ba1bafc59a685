#include "input/focus_point_screen.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <memory>

#include "input/section_view.h"
#include "screenrules/fill_load_rules.h"
#include "tests/case_name.h"
#include "tests/input/screen_harness.h"
#include "tests/widgets/scripted_message_box.h"
#include "widgets/numeric_field.h"

namespace nubera::input {
namespace {

using test::Child;
using test::Click;
using test::Type;

const QString kConfirm = QStringLiteral("着目点位置を設定してよろしいですか？");

class PointScreenTest : public ::testing::Test {
  protected:
    PointScreenTest() {
        // One block from 0 to 10 m: the points may lie from -5 to 5.
        project.fillLoads =
            BuildFillLoadTable({{.base = 0, .a = 2, .b = 6, .c = 2, .h = 2, .totalHeight = 2}});
    }

    void Open() {
        screen = std::make_unique<input::FocusPointScreen>(project.fillLoads, project.focusPoints,
                                                           messages);
        test::ShowActive(*screen);
        for (std::size_t i = 0; i < kPointCount; ++i) {
            boxes[i] =
                Child<widgets::NumericField>(*screen, QStringLiteral("TXT_着目点_%1").arg(i));
        }
        drawing = Child<input::SectionView>(*screen, QStringLiteral("PIC_QView"));
    }

    void Enter(std::initializer_list<const char*> texts) {
        std::size_t i = 0;
        for (const char* text : texts) Type(boxes[i++], QString::fromUtf8(text));
    }

    void Ok() { Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Exec"))); }

    // The project once the opener has committed what the screen accepted.
    ProjectData Committed() const {
        ProjectData committed = project;
        if (screen->result() == QDialog::Accepted) committed.focusPoints = screen->Points();
        return committed;
    }

    ProjectData project;
    test::ScriptedMessageBox messages;
    std::unique_ptr<input::FocusPointScreen> screen;
    std::array<widgets::NumericField*, kPointCount> boxes{};
    input::SectionView* drawing = nullptr;
};

TEST_F(PointScreenTest, ShowsTheRangeAndTheSection) {
    Open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("着目点手動設定画面"));
    EXPECT_EQ(Child<QLabel>(*screen, QStringLiteral("LBL_範囲"))->text(),
              QStringLiteral("－５．００(m)　～　５．００(m)"));
    EXPECT_EQ(Child<QLabel>(*screen, QStringLiteral("LBL_着目点_10"))->text(),
              QStringLiteral("着目点⑪"));
    EXPECT_EQ(drawing->Figure().scale, 750);
    EXPECT_TRUE(drawing->Figure().texts.empty());
}

struct PointCase {
    const char* name;
    std::vector<const char*> texts;
    const char* message;
    int focus;
};

class PointCheckTest : public PointScreenTest, public ::testing::WithParamInterface<PointCase> {};

TEST_P(PointCheckTest, ReportsAndReturnsToTheBox) {
    Open();
    for (std::size_t i = 0; i < GetParam().texts.size(); ++i) {
        Type(boxes[i], QString::fromUtf8(GetParam().texts[i]));
    }
    Ok();
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(messages.Shown()[0].icon, widgets::MsgIcon::Exclamation);
    EXPECT_TRUE(boxes[GetParam().focus]->hasFocus());
    EXPECT_EQ(boxes[GetParam().focus]->selectedText(), boxes[GetParam().focus]->text());
    EXPECT_TRUE(screen->isVisible());
    EXPECT_FALSE(Committed().focusPoints);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PointCheckTest,
    ::testing::Values(PointCase{"range",
                                {"-5", "5.01"},
                                "－５．００(m)　～　５．００(m)\nの範囲内で入力してください。",
                                1},
                      PointCase{"gap", {"1", "", "2"}, "入力してください。", 1},
                      PointCase{"first_missing", {"", "2"}, "入力してください。", 0},
                      PointCase{"order", {"2", "1"}, "着目点① ≦ 着目点② で入力してください。", 1},
                      PointCase{"not_numeric", {"1", "-"}, "入力された値が不正です。", 1}),
    test::CaseName());

TEST_F(PointScreenTest, ConfirmedPointsAreWrittenAsTheirTexts) {
    Open();
    Enter({"-5", "0", "0", "4.999"});
    messages.PlanAnswers({widgets::MsgAnswer::No, widgets::MsgAnswer::Yes});
    Ok();
    EXPECT_TRUE(screen->isVisible());  // No: the markers stay for another look
    EXPECT_EQ(drawing->Figure().texts.size(), 4u);
    EXPECT_EQ(boxes[3]->text(), QStringLiteral("5.00"));
    Ok();
    EXPECT_EQ(messages.Texts(), (std::vector<QString>{kConfirm, kConfirm}));
    EXPECT_EQ(messages.Shown()[1].centredOver, Child<QWidget>(*screen, QStringLiteral("Frame4")));
    EXPECT_FALSE(screen->isVisible());
    FocusPointList expected{Cell::Text("-5.00"), Cell::Text("0.00"), Cell::Text("0.00"),
                            Cell::Text("5.00")};
    EXPECT_EQ(Committed().focusPoints, expected);
}

TEST_F(PointScreenTest, OkWithoutPointsRemovesTheListWithoutAQuestion) {
    project.focusPoints = FocusPointList{Cell::Text("1.00")};
    Open();
    Type(boxes[0], QString());
    Ok();
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(Committed().focusPoints);
}

TEST_F(PointScreenTest, StoredPointsLoadWithTheirMarkersAndDoNotCountAsAChange) {
    project.focusPoints = FocusPointList{Cell::Text("-1"), Cell::Number(2.5)};
    Open();
    EXPECT_EQ(boxes[0]->text(), QStringLiteral("-1.00"));
    EXPECT_EQ(boxes[1]->text(), QStringLiteral("2.50"));
    EXPECT_TRUE(boxes[2]->text().isEmpty());
    const SectionFigure& figure = drawing->Figure();
    ASSERT_EQ(figure.texts.size(), 2u);
    EXPECT_EQ(figure.texts[0], (FigureText{3300, 2400, "①"}));  // (5 - 1) * 750 + 300
    EXPECT_EQ(figure.texts[1].text, "②");
    EXPECT_TRUE(screen->close());
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(PointScreenTest, ClearingAllThenTheCloseBoxAsks) {
    project.focusPoints = FocusPointList{Cell::Text("1.00")};
    const ProjectData before = project;
    Open();
    messages.PlanAnswers({widgets::MsgAnswer::Yes, widgets::MsgAnswer::No});
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Alldel")));
    EXPECT_TRUE(boxes[0]->text().isEmpty());
    EXPECT_EQ(drawing->Figure().texts.size(), 1u);  // the drawing stays as it was
    EXPECT_TRUE(screen->close());
    EXPECT_EQ(messages.Texts(),
              (std::vector<QString>{QStringLiteral("着目点設定をクリアします。\nよろしいですか？"),
                                    QStringLiteral("データが変更されています。\n更新しますか？")}));
    EXPECT_EQ(Committed(), before);
}

TEST_F(PointScreenTest, CloseBoxYesChecksAndConfirms) {
    Open();
    Enter({"3", "1"});
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    EXPECT_FALSE(screen->close());
    EXPECT_TRUE(boxes[1]->hasFocus());
    Type(boxes[1], QStringLiteral("3"));
    messages.PlanAnswers({widgets::MsgAnswer::Yes, widgets::MsgAnswer::Yes});
    EXPECT_TRUE(screen->close());
    EXPECT_EQ((*Committed().focusPoints)[1], Cell::Text("3.00"));
}

TEST_F(PointScreenTest, CancelWritesNothing) {
    Open();
    Enter({"1"});
    Click(Child<QPushButton>(*screen, QStringLiteral("CMD_Cancel")));
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(Committed().focusPoints);
}

}  // namespace
}  // namespace nubera::input

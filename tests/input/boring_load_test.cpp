// Soil layers read off a boring log through the soil screen: the review
// dialog, the grid filled as if typed, the project's derivation and the
// report's record of it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <memory>

#include "input/boring_review_dialog.h"
#include "input/soil_conditions_screen.h"
#include "report/sheets/input_sheet.h"
#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/workbook.h"
#include "tests/input/screen_harness.h"
#include "tests/widgets/scripted_message_box.h"
#include "widgets/numeric_field.h"

namespace nubera::input {
namespace {

using test::Child;
using test::Click;
using test::PressEnter;
using test::RowTexts;
using test::Type;
using ::testing::Contains;
using ::testing::HasSubstr;

const QString kSample =
    QStringLiteral(NUBERA_SOURCE_DIR "/tests/core/boring/samples/LEVEE_NO3_BED0300.XML");
constexpr int kModulusColumn = 4;

// The review dialog's steps, run once it is open.
void OnReview(const std::function<void(input::BoringReviewDialog&)>& steps) {
    QTimer::singleShot(0, [steps] {
        auto* review = qobject_cast<input::BoringReviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(review, nullptr);
        steps(*review);
        if (review->isVisible()) {
            ADD_FAILURE() << "the review stayed open";
            review->reject();
        }
    });
}

// The texts of a sheet row's columns B to N, joined by "|".
std::string RowText(const sheet::Worksheet& sheet, int row) {
    std::string text;
    for (int column = 2; column <= 14; ++column) {
        const sheet::CellValue value = sheet.Value(row, column);
        if (const auto* cell = std::get_if<std::string>(&value)) text += *cell + "|";
    }
    return text;
}

std::vector<std::string> SheetRows(const sheet::Worksheet& sheet) {
    std::vector<std::string> rows;
    for (int row = 1; row <= 80; ++row) rows.push_back(RowText(sheet, row));
    return rows;
}

TEST(BoringLoad, ReviewedLayersFillTheGridAndTheirDerivationReachesTheReport) {
    test::ScriptedMessageBox messages;
    ProjectData project;
    input::SoilConditionsScreen screen(SoilConditionsOf(project), messages, test::FigureFolder());
    screen.SetBoringFileChooser([](QWidget*) { return std::optional<QString>(kSample); });
    test::ShowActive(screen);

    OnReview([&](input::BoringReviewDialog& review) {
        auto* depth = Child<widgets::NumericField>(review, QStringLiteral("TXT_深度H"));
        auto* table = Child<QTableWidget>(review, QStringLiteral("VSF_Boring"));
        auto* ok = Child<QPushButton>(review, QStringLiteral("CMD_Exec"));
        Type(depth, QStringLiteral("7.1"));
        PressEnter(depth);
        ASSERT_EQ(table->rowCount(), 5);
        // The humus layer has no test: ＯＫ asks for its Es and stays.
        Click(ok);
        EXPECT_EQ(messages.Texts().back(),
                  QStringLiteral("第3層「腐植土」(2.85～3.10 m)の Es を入力してください。"));
        table->item(2, kModulusColumn)->setText(QStringLiteral("3000"));
        table->item(0, kModulusColumn)->setText(QStringLiteral("9000"));
        Click(ok);
    });
    Click(Child<QPushButton>(screen, QStringLiteral("CMD_Boring")));

    auto* grid = Child<input::ListGrid>(screen, QStringLiteral("VSF_List"));
    ASSERT_EQ(grid->Rows(), 6);
    EXPECT_EQ(RowTexts(grid, 1), (QStringList{"1.20", "1.20", "9000"}));
    EXPECT_EQ(RowTexts(grid, 3), (QStringList{"0.25", "3.10", "3000"}));
    EXPECT_EQ(RowTexts(grid, 4), (QStringList{"2.50", "5.60", "2800"}));
    EXPECT_EQ(RowTexts(grid, 5), (QStringList{"1.50", "7.10", "8400"}));

    Type(Child<widgets::NumericField>(screen, QStringLiteral("TXT_開削幅")), QStringLiteral("10"));
    Type(Child<widgets::NumericField>(screen, QStringLiteral("TXT_堤体幅")), QStringLiteral("20"));
    Click(Child<QPushButton>(screen, QStringLiteral("CMD_Exec")));
    ASSERT_EQ(screen.result(), QDialog::Accepted);
    CalcResults results;
    CommitSoilConditions(screen.Conditions(), project, results);
    ASSERT_TRUE(project.soilDerivation);
    EXPECT_EQ(project.soilDerivation->fileName, "LEVEE_NO3_BED0300.XML");
    EXPECT_EQ(project.soilDerivation->boringName, "No.3");
    EXPECT_EQ(project.soilDerivation->layers[3].nValues, (std::vector<double>{1, 0, 2}));

    project.fillLoads = MakeFillLoadTable();
    project.fillLoads->ResizeRows(1);
    auto book = sheet::OpenWorkbook(std::filesystem::path(NUBERA_BINARY_DIR) / "bin" /
                                    u8"即時沈下量計算結果.xltx");
    ASSERT_TRUE(book);
    report::WriteInputSheet(*book, project, results, report::ReportContext{});
    const std::vector<std::string> rows = SheetRows(book->Sheet(report::kInputSheet));
    EXPECT_THAT(rows, Contains("ボーリングデータ|LEVEE_NO3_BED0300.XML|"));
    EXPECT_THAT(rows, Contains("ボーリング名|No.3|"));
    // Es typed over the relation's 8400, and typed for the layer without a test.
    EXPECT_THAT(rows, Contains("1|盛土（砂質土）|0.00～1.20|3|3.0|9000 手入力|"));
    EXPECT_THAT(rows, Contains("3|腐植土|2.85～3.10|試験なし|-|3000 手入力|"));
    EXPECT_THAT(rows, Contains("4|粘土|3.10～5.60|1, 0, 2|1.0|2800|"));
}

TEST(BoringLoad, AnUnreadableLogOrACancelledReviewLeavesTheGridAndClearingForgetsTheLog) {
    test::ScriptedMessageBox messages;
    ProjectData project;
    project.soilLayers = BuildSoilLayerTable({{"2.00", "2.00", "5000"}});
    input::SoilConditionsScreen screen(SoilConditionsOf(project), messages, test::FigureFolder());
    QString chosen = QStringLiteral("/nonexistent/NO1.XML");
    screen.SetBoringFileChooser([&chosen](QWidget*) { return std::optional<QString>(chosen); });
    test::ShowActive(screen);
    auto* load = Child<QPushButton>(screen, QStringLiteral("CMD_Boring"));
    auto* grid = Child<input::ListGrid>(screen, QStringLiteral("VSF_List"));

    Click(load);
    EXPECT_THAT(messages.Texts().back().toStdString(), HasSubstr("NO1.XML"));
    EXPECT_EQ(RowTexts(grid, 1), (QStringList{"2.00", "2.00", "5000"}));

    chosen = kSample;
    OnReview([&](input::BoringReviewDialog& review) {
        auto* alpha = Child<widgets::NumericField>(review, QStringLiteral("TXT_α"));
        Type(alpha, QStringLiteral("1000"));
        PressEnter(alpha);
        // N̄ 3.0 of the fill and 46.7 of the gravel, at the new α.
        auto* table = Child<QTableWidget>(review, QStringLiteral("VSF_Boring"));
        EXPECT_EQ(table->item(0, kModulusColumn)->text(), QStringLiteral("3000"));
        EXPECT_EQ(table->item(7, kModulusColumn)->text(), QStringLiteral("46700"));
        review.reject();
    });
    Click(load);
    ASSERT_EQ(grid->Rows(), 2);
    EXPECT_EQ(RowTexts(grid, 1), (QStringList{"2.00", "2.00", "5000"}));

    // The log's top layer alone, then everything cleared and the same depth
    // typed by hand: that layer no longer comes from the log.
    OnReview([&](input::BoringReviewDialog& review) {
        auto* depth = Child<widgets::NumericField>(review, QStringLiteral("TXT_深度H"));
        Type(depth, QStringLiteral("1.2"));
        PressEnter(depth);
        Click(Child<QPushButton>(review, QStringLiteral("CMD_Exec")));
    });
    Click(load);
    messages.PlanAnswers({widgets::MsgAnswer::Yes});
    Click(Child<QPushButton>(screen, QStringLiteral("CMD_Alldel")));
    Type(Child<widgets::NumericField>(screen, QStringLiteral("TXT_層厚")), QStringLiteral("1.2"));
    Type(Child<widgets::NumericField>(screen, QStringLiteral("TXT_変形係数Es")),
         QStringLiteral("8400"));
    Click(Child<QPushButton>(screen, QStringLiteral("CMD_Upd")));
    Type(Child<widgets::NumericField>(screen, QStringLiteral("TXT_開削幅")), QStringLiteral("10"));
    Type(Child<widgets::NumericField>(screen, QStringLiteral("TXT_堤体幅")), QStringLiteral("20"));
    Click(Child<QPushButton>(screen, QStringLiteral("CMD_Exec")));
    ASSERT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(screen.Conditions().layers->RowCount(), 1u);
    EXPECT_FALSE(screen.Conditions().derivation);
}

// The reader's warnings are shown above the layers, and a layer whose tests
// are all N = 0 asks for its Es like one without a test.
TEST(BoringLoad, TheReviewShowsTheReadersWarningsAndLeavesEsOfNZeroForTyping) {
    test::ScriptedMessageBox messages;
    BoringLog log;
    log.dtdVersion = "5.00";
    log.totalLength = 4;
    log.divisions = {{2, "粘土", 1}, {4, "砂", 2}};
    log.tests = {{1, 0, 30, 3}, {3, 10, 30, 4}};
    log.warnings = {"一つ目。", "二つ目。"};
    BoringReviewDialog review(log, QStringLiteral("B.XML"), messages);
    EXPECT_EQ(Child<QLabel>(review, QStringLiteral("LBL_警告"))->text(),
              QStringLiteral("警告: 一つ目。\n警告: 二つ目。"));
    auto* table = Child<QTableWidget>(review, QStringLiteral("VSF_Boring"));
    EXPECT_EQ(table->item(0, kModulusColumn)->text(), QString());
    EXPECT_EQ(table->item(1, kModulusColumn)->text(), QStringLiteral("28000"));
}

}  // namespace
}  // namespace nubera::input

// The values a run warns of, marked where they stand on the input sheet and
// told in full below the run's lines.

#include <gtest/gtest.h>

#include "report/sheets/input_sheet.h"
#include "tests/report/produced_workbook.h"
#include "tests/report/report_run.h"

namespace nubera::test {
namespace {

// Every text of the sheet's first 14 columns, row by row.
std::vector<std::string> Texts(const sheet::Worksheet& sheet, int firstColumn = 1,
                               int lastColumn = 14) {
    std::vector<std::string> texts;
    for (int row = 1; row <= 200; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const sheet::CellValue value = sheet.Value(row, column);
            if (const auto* text = std::get_if<std::string>(&value)) texts.push_back(*text);
        }
    }
    return texts;
}

std::vector<std::string> Marked(const std::vector<std::string>& texts) {
    std::vector<std::string> marked;
    for (const std::string& text : texts) {
        if (text.ends_with("※") || text.starts_with("※")) marked.push_back(text);
    }
    return marked;
}

TEST(InputSheetMarks, MarkEachWarnedValueAndTellTheWarningsBelowTheRun) {
    ReportRun run = FiveBlockRun();
    EXPECT_TRUE(
        Marked(Texts(ProducedWorkbook(run, "marks-none").Sheet(report::kInputSheet))).empty());

    run.project.poissonRatio = 0.8;
    run.project.excavationWidth = 150;
    run.project.soilLayers->At(soil_column::kModulus, 0) = Cell::Number(28);
    run.project.fillLoads->At(fill_column::kUnitWeight, 1) = Cell::Number(3);
    ProducedWorkbook produced(run, "marks");
    ASSERT_TRUE(produced.ok());
    const sheet::Worksheet& sheet = produced.Sheet(report::kInputSheet);
    EXPECT_EQ(sheet.Value(7, 5), sheet::CellValue{std::string("0.8※")});
    EXPECT_EQ(
        Marked(Texts(sheet)),
        (std::vector<std::string>{
            "0.8※", "150※", "※ﾎﾟｱｿﾝ比(0.8)が0.5を超えています。",
            "※開削幅(150)が目安の範囲(0.5～100 m)を外れています。",
            "※土質条件の第1層の変形係数Es(28)が目安の範囲(100～10000000 kN/㎡)を外れています。",
            "※盛土荷重 q2 の単位重量γt(3)が目安の範囲(12～25 kN/m³)を外れています。", "28※",
            "3※"}));
    // Each warning's reason on the line after it.
    const std::vector<std::string> notes = Texts(sheet, 3, 3);
    const auto modulus = std::find(notes.begin(), notes.end(), Marked(Texts(sheet))[4]);
    ASSERT_NE(modulus, notes.end());
    EXPECT_EQ(
        modulus[1],
        "　極めて軟らかい粘土から軟岩までの値です。単位(N/㎡、MN/㎡)の取り違えが疑われます。");
}

}  // namespace
}  // namespace nubera::test

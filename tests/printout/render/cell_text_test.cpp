// Cell texts land in their cells as their formats align them: numbers at the
// right edge less the cell's padding, centred headings and point numbers in
// the middle, and the page's first block under its title; read back from the
// PDF with pdftotext.

#include <gtest/gtest.h>

#include "printout/render/printed_pages.h"
#include "printout/workbook_printout.h"
#include "report/result_printout.h"
#include "tests/printout/render/example_report.h"

namespace nubera::test {
namespace {

constexpr double kPadding = 2.25;   // points between a cell's edge and its text
constexpr double kTolerance = 0.6;  // points
constexpr int kBlockPage = 5;  // 0-based: after the cover, two pages of inputs and two of method

class CellTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        report = RunExample("one-block.nbr");
        printout = std::make_unique<printout::WorkbookPrintout>(report.workbook,
                                                                report::PrintedResultSheets(false));
        const auto pdf = report.workbook.parent_path() / "cells.pdf";
        ASSERT_EQ(printout::WritePdf(*printout, pdf), "");
        words = PdfWords(pdf, kBlockPage + 1);
    }

    // The paper x of a column edge, and the paper y of the middle of a row.
    double X(int column) const { return OnPaper(Sheet().ColumnLeft(column), 0).first; }
    double MiddleY(int row) const {
        return OnPaper(0, (Sheet().RowTop(row) + Sheet().RowTop(row + 1)) / 2).second;
    }
    double Scale() const { return Sheet().Layout().scale; }
    const printout::SheetPrintout& Sheet() const { return *printout->Page(kBlockPage).sheet; }
    std::pair<double, double> OnPaper(double x, double y) const {
        return Sheet().OnPaper(*printout->Page(kBlockPage).area, x, y);
    }

    // The word reading `text` in the cell at `row`, `column` (any column when 0).
    const PdfWord* WordIn(const std::string& text, int row, int column) const {
        const double y = MiddleY(row);
        for (const PdfWord& word : words) {
            const double x = (word.left + word.right) / 2;
            const bool inColumn = column == 0 || (X(column) <= x && x <= X(column + 1));
            if (word.text == text && word.top <= y && y <= word.bottom && inColumn) {
                return &word;
            }
        }
        ADD_FAILURE() << text << " not in row " << row << ", column " << column;
        return nullptr;
    }

    ExampleReport report;
    std::unique_ptr<printout::WorkbookPrintout> printout;
    std::vector<PdfWord> words;
};

// The block at rows 2–17: heading row 4, point ① on row 5.
TEST_F(CellTextTest, NumbersEndAtTheRightPaddingOfTheirCells) {
    for (int column = 3; column <= 8; ++column) {
        const std::optional<sheet::ShownValue> shown = Sheet().Shown(5, column);
        ASSERT_TRUE(shown && shown->number) << column;
        const PdfWord* word = WordIn(shown->text, 5, column);
        ASSERT_NE(word, nullptr);
        EXPECT_NEAR(word->right, X(column + 1) - kPadding * Scale(), kTolerance) << column;
    }
}

TEST_F(CellTextTest, CentredCellsCentreTheirTexts) {
    for (const auto& [text, row] : {std::pair{"着目点", 4}, {"①", 5}, {"⑪", 15}}) {
        const PdfWord* word = WordIn(text, row, 2);
        ASSERT_NE(word, nullptr);
        EXPECT_NEAR((word->left + word->right) / 2, (X(2) + X(3)) / 2, kTolerance) << text;
    }
}

TEST_F(CellTextTest, TextsStartAtTheLeftPaddingOfTheirCells) {
    const PdfWord* title = WordIn("分布荷重：ｑ１", 2, 0);  // spills over B
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->left, X(1) + kPadding * Scale(), kTolerance);
}

}  // namespace
}  // namespace nubera::test

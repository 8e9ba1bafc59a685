// The section diagram of a summary page lands on paper where the workbook
// places it: each point's label under its tick, the red ticks on the ground
// line, both scaled and centred with the page.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "printout/render/page_painter.h"
#include "printout/render/printed_pages.h"
#include "printout/workbook_printout.h"
#include "report/result_printout.h"
#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/workbook.h"
#include "tests/printout/render/example_report.h"

namespace nubera::test {
namespace {

const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪"};
constexpr int kSummaryPage = 8;     // 0-based: after the cover, two pages of inputs, two of method
                                    // and three pages of blocks
constexpr double kTolerance = 1.0;  // points

double Centre(const PdfWord& word) {
    return (word.left + word.right) / 2;
}

std::string LabelName(std::size_t k) {
    return k == 10 ? "LBL_TyakuA" : "LBL_Tyaku" + std::to_string(k);
}

class SummaryDiagramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        report = RunExample("five-blocks-lateral.nbr");
        printout = std::make_unique<printout::WorkbookPrintout>(report.workbook,
                                                                report::PrintedResultSheets(true));
        book = sheet::OpenWorkbook(report.workbook);
        ASSERT_EQ(printout->Page(kSummaryPage).sheet->Name(), "即時沈下量のまとめ");
    }

    std::pair<double, double> OnPaper(double x, double y) const {
        const printout::PrintedPage& page = printout->Page(kSummaryPage);
        return page.sheet->OnPaper(*page.area, x, y);
    }

    ExampleReport report;
    std::unique_ptr<printout::WorkbookPrintout> printout;
    std::unique_ptr<sheet::Workbook> book;
};

TEST_F(SummaryDiagramTest, EachPointLabelIsPrintedWhereTheWorkbookPlacesIt) {
    const auto pdf = report.workbook.parent_path() / "summary.pdf";
    ASSERT_EQ(printout::WritePdf(*printout, pdf), "");
    const std::vector<PdfWord> words = PdfWords(pdf, kSummaryPage + 1);
    const sheet::Worksheet& summary = book->Sheet("即時沈下量のまとめ");
    for (std::size_t k = 0; k < 11; ++k) {
        const sheet::Label label = summary.GetLabel(LabelName(k));
        ASSERT_EQ(label.caption, kCircled[k]);
        // The label's box is 12 points square and centres its number.
        const auto [x, y] = OnPaper(label.left + 6, label.top + 6);
        // The legend table beside the diagram shows the numbers too: take the nearest.
        const PdfWord* nearest = nullptr;
        for (const PdfWord& word : words) {
            if (word.text != kCircled[k] || y < word.top || y > word.bottom) continue;
            if (!nearest || std::abs(Centre(word) - x) < std::abs(Centre(*nearest) - x)) {
                nearest = &word;
            }
        }
        ASSERT_NE(nearest, nullptr) << kCircled[k] << " not printed on the diagram";
        EXPECT_NEAR(Centre(*nearest), x, kTolerance) << kCircled[k];
    }
}

TEST_F(SummaryDiagramTest, TheRedTicksStandOnTheGroundLine) {
    constexpr double kPixelsPerPoint = 2;
    QImage image(static_cast<int>(std::ceil(595.28 * kPixelsPerPoint)),
                 static_cast<int>(std::ceil(841.89 * kPixelsPerPoint)), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(72 * kPixelsPerPoint / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(72 * kPixelsPerPoint / 0.0254));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(kPixelsPerPoint, kPixelsPerPoint);
        printout::PagePainter(painter, *printout).Paint(kSummaryPage);
    }
    int ticks = 0;
    for (const sheet::LineShape& line : book->Sheet("即時沈下量のまとめ").Lines()) {
        if (line.schemeColor != sheet::PaletteColor::Red) continue;
        ++ticks;
        const auto [x, y] = OnPaper(line.x1, (line.y1 + line.y2) / 2);
        const QColor pixel = image.pixelColor(static_cast<int>(x * kPixelsPerPoint),
                                              static_cast<int>(y * kPixelsPerPoint));
        EXPECT_GT(pixel.red(), 150) << "tick at " << line.x1;
        EXPECT_LT(pixel.green(), 150) << "tick at " << line.x1;
    }
    EXPECT_EQ(ticks, 11);
}

}  // namespace
}  // namespace nubera::test

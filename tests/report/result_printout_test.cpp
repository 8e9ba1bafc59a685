#include "result_printout.h"

#include <gtest/gtest.h>

#include "report_run.h"
#include "result_workbook.h"
#include "workbook_printout.h"

namespace nubera::sheet {
namespace {

// The result workbook of a run, saved and read back as printed pages.
WorkbookPrintout ResultPrintout(const testing_report::ReportRun& run, std::string_view name) {
    std::string error;
    const auto path = WriteResultWorkbook(run.project, run.results, testing_report::TemplatePath(),
                                          testing_report::FreshFolder(name),
                                          std::chrono::year_month_day{}, &error);
    EXPECT_TRUE(path) << error;
    return WorkbookPrintout(path.value_or(""), PrintedResultSheets(run.project.alsoLateral));
}

TEST(ResultPrintout, EachBlockPairFillsAPageAndEachSummaryOne) {
    const WorkbookPrintout printout = ResultPrintout(testing_report::FiveBlockRun(), "print-five");
    ASSERT_EQ(printout.PageCount(), 8);
    // Blocks at rows 2, 18, 35, 50, 67 and 82 with breaks before rows 34,
    // 66 and 98; the last block's bordered rows end at 95.
    const std::pair<int, int> rows[] = {{1, 33}, {34, 65}, {66, 95}};
    for (int kind = 0; kind < 2; ++kind) {
        for (int page = 0; page < 3; ++page) {
            const PrintedPage& printed = printout.Page(kind * 4 + page);
            EXPECT_EQ(printed.number, kind * 4 + page + 1);
            EXPECT_EQ(printed.area->firstRow, rows[page].first) << kind << page;
            EXPECT_EQ(printed.area->lastRow, rows[page].second) << kind << page;
            EXPECT_EQ(printed.area->lastColumn, 8);  // A to H
        }
        const PrintedPage& summary = printout.Page(kind * 4 + 3);
        EXPECT_EQ(summary.sheet->Name(), kind == 0 ? "即時沈下量のまとめ" : "側方変位量のまとめ");
        EXPECT_EQ(summary.sheet->Layout().pages.size(), 1u);
        EXPECT_GE(summary.area->lastColumn, 10);  // the totals in J and the diagram
        EXPECT_LE(summary.sheet->Layout().scale, 1);
    }
}

TEST(ResultPrintout, SettlementOnlyPrintsItsTwoSheets) {
    const WorkbookPrintout printout = ResultPrintout(testing_report::OneBlockRun(), "print-one");
    ASSERT_EQ(printout.PageCount(), 2);
    EXPECT_EQ(printout.Page(0).sheet->Name(), "即時沈下量の計算");
    EXPECT_EQ(printout.Page(1).sheet->Name(), "即時沈下量のまとめ");
}

}  // namespace
}  // namespace nubera::sheet

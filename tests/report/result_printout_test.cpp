#include "report/result_printout.h"

#include <gtest/gtest.h>

#include "printout/workbook_printout.h"
#include "report/result_workbook.h"
#include "tests/report/report_run.h"

namespace nubera::report {
namespace {

// The result workbook of a run, saved and read back as printed pages.
printout::WorkbookPrintout ResultPrintout(const test::ReportRun& run, std::string_view name) {
    std::string error;
    const auto path =
        report::WriteResultWorkbook(run.project, run.results, run.context, test::TemplatePath(),
                                    test::FreshFolder(name), std::chrono::year_month_day{}, &error);
    EXPECT_TRUE(path) << error;
    return printout::WorkbookPrintout(path.value_or(""),
                                      report::PrintedResultSheets(run.project.alsoLateral));
}

TEST(ResultPrintout, EachBlockPairFillsAPageAndEachSummaryOne) {
    const printout::WorkbookPrintout printout = ResultPrintout(test::FiveBlockRun(), "print-five");
    // The cover, two pages of inputs and two of method come first.
    constexpr int kFirstBlockPage = 5;
    ASSERT_EQ(printout.PageCount(), kFirstBlockPage + 8);
    EXPECT_EQ(printout.Page(0).sheet->Name(), "表紙");
    EXPECT_EQ(printout.Page(1).sheet->Name(), "入力条件");
    EXPECT_EQ(printout.Page(2).sheet->Name(), "入力条件");
    EXPECT_EQ(printout.Page(3).sheet->Name(), "計算方法");
    EXPECT_EQ(printout.Page(4).sheet->Name(), "計算方法");
    // Blocks at rows 2, 18, 35, 50, 67 and 82 with breaks before rows 34,
    // 66 and 98; the last block's bordered rows end at 95.
    const std::pair<int, int> rows[] = {{1, 33}, {34, 65}, {66, 95}};
    for (int kind = 0; kind < 2; ++kind) {
        for (int page = 0; page < 3; ++page) {
            const printout::PrintedPage& printed = printout.Page(kFirstBlockPage + kind * 4 + page);
            EXPECT_EQ(printed.number, kFirstBlockPage + kind * 4 + page + 1);
            EXPECT_EQ(printed.area->firstRow, rows[page].first) << kind << page;
            EXPECT_EQ(printed.area->lastRow, rows[page].second) << kind << page;
            EXPECT_EQ(printed.area->lastColumn, 8);  // A to H
        }
        const printout::PrintedPage& summary = printout.Page(kFirstBlockPage + kind * 4 + 3);
        EXPECT_EQ(summary.sheet->Name(), kind == 0 ? "即時沈下量のまとめ" : "側方変位量のまとめ");
        EXPECT_EQ(summary.sheet->Layout().pages.size(), 1u);
        EXPECT_GE(summary.area->lastColumn, 10);  // the totals in J and the diagram
        EXPECT_LE(summary.sheet->Layout().scale, 1);
    }
}

TEST(ResultPrintout, SettlementOnlyPrintsItsTwoSheetsAfterTheInputs) {
    const printout::WorkbookPrintout printout = ResultPrintout(test::OneBlockRun(), "print-one");
    ASSERT_EQ(printout.PageCount(), 7);
    EXPECT_EQ(printout.Page(0).sheet->Name(), "表紙");
    EXPECT_EQ(printout.Page(1).sheet->Name(), "入力条件");
    EXPECT_EQ(printout.Page(2).sheet->Name(), "入力条件");  // the figure of ground and loads
    EXPECT_EQ(printout.Page(3).sheet->Name(), "計算方法");
    EXPECT_EQ(printout.Page(4).sheet->Name(), "計算方法");
    EXPECT_EQ(printout.Page(5).sheet->Name(), "即時沈下量の計算");
    EXPECT_EQ(printout.Page(6).sheet->Name(), "即時沈下量のまとめ");
}

// Every page carries the run's title block, the project's name with its "&"
// printed once.
TEST(ResultPrintout, EveryPageIsTitledWithTheProjectAndTheRunTime) {
    const test::ReportRun run = test::FiveBlockRun();
    const printout::WorkbookPrintout printout = ResultPrintout(run, "print-titles");
    for (int page = 0; page < printout.PageCount(); ++page) {
        const sheet::PageSetup& setup = printout.Page(page).sheet->Setup();
        EXPECT_NE(setup.header.find("盛土&&掘削.nbr"), std::string::npos) << setup.header;
        EXPECT_NE(setup.header.find(report::RunTimeText(run.context)), std::string::npos);
        EXPECT_NE(setup.footer.find("ページ &P / &N"), std::string::npos) << setup.footer;
    }
}

// A common project's inputs fit on one page; the most the screens take (20
// layers, 5 blocks, a surcharge and 11 manual points) on two.
TEST(ResultPrintout, TheInputsAndTheirFigureTakeTwoPages) {
    const auto inputPages = [](const printout::WorkbookPrintout& printout) {
        int pages = 0;
        for (int page = 0; page < printout.PageCount(); ++page) {
            pages += printout.Page(page).sheet->Name() == "入力条件";
        }
        return pages;
    };
    EXPECT_EQ(inputPages(ResultPrintout(test::FiveBlockRun(), "print-fit")), 2);
    EXPECT_EQ(inputPages(ResultPrintout(test::LargestRun(), "print-largest")), 2);
}

}  // namespace
}  // namespace nubera::report

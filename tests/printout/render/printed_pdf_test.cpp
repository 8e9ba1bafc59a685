// The result workbooks of the examples written as PDF and read back with an
// independent reader (poppler's pdfinfo and pdftotext): the pages, and on
// each the titles, point numbers and values that belong there.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "printout/render/printed_pages.h"
#include "printout/workbook_printout.h"
#include "report/result_printout.h"
#include "tests/printout/render/example_report.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera::test {
namespace {

const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩", "⑪"};
const char* const kFullWidthDigits[] = {"１", "２", "３", "４", "５"};

std::string Shown(double value) {
    return FormatFixed2(RoundHalf(value));
}

std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

std::multiset<std::string> PageWords(const std::filesystem::path& pdf, int page) {
    std::multiset<std::string> words;
    for (const PdfWord& word : PdfWords(pdf, page)) words.insert(word.text);
    return words;
}

struct Expectation {
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

// One kind of result: its block and summary titles and the detail tables.
struct Kind {
    const char* summaryTitle;
    const std::vector<PointDetail>& blocks;
    const PointDetail& surcharge;
};

// The page of calculation blocks b and b + 1 (the surcharge last).
Expectation BlockPage(const Kind& kind, bool surcharge, std::size_t first, double em) {
    Expectation page;
    const std::size_t blocks = kind.blocks.size() + (surcharge ? 1 : 0);
    std::set<std::size_t> pointsShown;
    for (std::size_t b = first; b < std::min(first + 2, blocks); ++b) {
        const bool isSurcharge = b == kind.blocks.size();
        page.present.push_back(isSurcharge ? "分布荷重：ｑＸ"
                                           : std::string("分布荷重：ｑ") + kFullWidthDigits[b]);
        if (isSurcharge) page.present.push_back("（上載荷重）");
        const PointDetail& detail = isSurcharge ? kind.surcharge : kind.blocks[b];
        for (std::size_t k = 0; k < kPointCount; ++k) {
            if (detail[k][point_item::kOffset].IsMissing()) continue;
            pointsShown.insert(k);
            page.present.push_back(Shown(detail[k][point_item::kResult].AsNumber()));
            page.present.push_back(Shown(detail[k][point_item::kModulus].AsNumber()));
        }
    }
    page.present.push_back(Shown(em));
    for (std::size_t k = 0; k < kPointCount; ++k) {
        (pointsShown.count(k) ? page.present : page.absent).push_back(kCircled[k]);
    }
    return page;
}

// The summary: each present point's number and total over every load.
Expectation SummaryPage(const Kind& kind, bool surcharge, double em) {
    Expectation page;
    page.present = {kind.summaryTitle, "Em(換算変形係数)", FormatNumber(em), "kN/㎡"};
    for (std::size_t k = 0; k < kPointCount; ++k) {
        if (kind.blocks[0][k][point_item::kOffset].IsMissing()) {
            page.absent.push_back(kCircled[k]);
            continue;
        }
        page.present.push_back(kCircled[k]);
        double total = 0;
        for (const PointDetail& block : kind.blocks)
            total += block[k][point_item::kResult].AsNumber();
        if (surcharge) total += kind.surcharge[k][point_item::kResult].AsNumber();
        page.present.push_back(Shown(total));
    }
    return page;
}

void ExpectPage(const std::filesystem::path& pdf, int number, const Expectation& expected) {
    const std::multiset<std::string> words = PageWords(pdf, number);
    for (const std::string& text : expected.present) {
        EXPECT_TRUE(words.count(text)) << "page " << number << " lacks " << text;
    }
    for (const std::string& text : expected.absent) {
        EXPECT_FALSE(words.count(text)) << "page " << number << " shows " << text;
    }
}

class PrintedPdfTest : public ::testing::TestWithParam<const char*> {};

TEST_P(PrintedPdfTest, CarriesEveryBlockAndSummaryOnItsPage) {
    const ExampleReport report = RunExample(GetParam());
    const ProjectData& project = report.project;
    const CalcResults& results = report.results;
    const auto pdf = report.workbook.parent_path() / "result.pdf";
    const printout::WorkbookPrintout printout(report.workbook,
                                              report::PrintedResultSheets(project.alsoLateral));
    ASSERT_EQ(printout::WritePdf(printout, pdf), "");

    const bool surcharge = project.surcharge.has_value();
    std::vector<Kind> kinds{
        {"即時沈下量の計算結果一覧", results.settlementDetail, results.surchargeSettlementDetail}};
    if (project.alsoLateral) {
        kinds.push_back(
            {"側方変位量の計算結果一覧", results.lateralDetail, results.surchargeLateralDetail});
    }
    const std::size_t blocks = project.fillLoads->RowCount() + (surcharge ? 1 : 0);
    const int blockPages = static_cast<int>((blocks + 1) / 2);
    const int resultPages = static_cast<int>(kinds.size()) * (blockPages + 1);
    const std::string info = CommandOutput("pdfinfo " + Quoted(pdf));
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    const auto counted = info.find("Pages:");
    ASSERT_NE(counted, std::string::npos) << info;
    const int pages = std::stoi(info.substr(counted + 6));
    // The cover, the inputs and their figure, the method (a page or two), then the results.
    const int methodPages = pages - 3 - resultPages;
    ASSERT_GE(methodPages, 1) << info;
    ASSERT_LE(methodPages, 2) << info;

    ExpectPage(pdf, 1, {{"計算書", "件名", "設計", "照査", "承認", "SHA-256"}, {}});
    ExpectPage(pdf, 2, {{"入力条件", "土質条件", "盛土荷重", "上載荷重", "Em"}, {}});
    ExpectPage(pdf, 3, {{"地盤と荷重の図"}, {}});
    ExpectPage(pdf, 4, {{"計算方法", "記号と単位"}, {}});
    int page = 4 + methodPages;
    for (const Kind& kind : kinds) {
        for (int p = 0; p < blockPages; ++p) {
            ExpectPage(pdf, page++,
                       BlockPage(kind, surcharge, static_cast<std::size_t>(2 * p),
                                 results.equivalentModulus));
        }
        ExpectPage(pdf, page++, SummaryPage(kind, surcharge, results.equivalentModulus));
    }
    // Every page's footer numbers it through the whole job.
    ExpectPage(pdf, pages, {{std::to_string(pages), "/"}, {}});
}

// Each word as printed, not as the radical that shares a kanji's glyph (⼼ for 心).
TEST_P(PrintedPdfTest, ItsTextLayerReadsAsPrinted) {
    const ExampleReport report = RunExample(GetParam());
    const auto pdf = report.workbook.parent_path() / "text.pdf";
    const printout::WorkbookPrintout printout(
        report.workbook, report::PrintedResultSheets(report.project.alsoLateral));
    ASSERT_EQ(printout::WritePdf(printout, pdf), "");
    const std::string text = CommandOutput("pdftotext -enc UTF-8 " + Quoted(pdf) + " -");
    std::vector<std::string> words{"着目点", "重心位置", "計算結果一覧", "入力条件", "計算日時"};
    if (report.project.alsoLateral)
        words.insert(words.end(), {"側方変位量", "載荷奥行", "ﾎﾟｱｿﾝ比"});
    for (const std::string& word : words) {
        EXPECT_NE(text.find(word), std::string::npos) << word;
    }
    // The radicals' blocks U+2E80..U+2FDF begin with the bytes E2 BA..E2 BF.
    for (std::size_t at = 0; (at = text.find('\xE2', at)) != std::string::npos; ++at) {
        const auto next = static_cast<unsigned char>(text[at + 1]);
        EXPECT_FALSE(next >= 0xBA && next <= 0xBF) << text.substr(at, 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, PrintedPdfTest,
                         ::testing::Values("one-block.nbr", "manual-points.nbr",
                                           "four-blocks-manual-lateral.nbr",
                                           "five-blocks-lateral.nbr"),
                         [](const auto& info) {
                             std::string name = info.param;
                             name = name.substr(0, name.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace nubera::test

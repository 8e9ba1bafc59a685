// Opens produced workbooks with openpyxl, a reader that shares nothing with
// the program's spreadsheet model.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "report/result_workbook.h"
#include "report/text/report_text.h"
#include "tests/report/report_run.h"
#include "tests/spreadsheet/fixture/package_fixture.h"

namespace nubera::report {
namespace {

using namespace test;

std::string ColumnLetter(int column) {
    return std::string(1, static_cast<char>('A' + column - 1));
}

std::string CellName(int row, int column) {
    return ColumnLetter(column) + std::to_string(row);
}

std::string Escaped(std::string text) {
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) {
        text.replace(at, 1, "\\n");
    }
    return text;
}

std::string NumberText(double value) {
    std::ostringstream out;
    out.precision(17);
    out << value;
    return out.str();
}

// The expectations file the checking script reads, one line per check.
class Expectations {
  public:
    void Sheets(const std::vector<std::string>& names) {
        out_ << "sheets";
        for (const auto& name : names) out_ << '\t' << name;
        out_ << '\n';
    }
    void Text(const std::string& sheet, int row, int column, const std::string& text) {
        Line("text", sheet, CellName(row, column), Escaped(text));
    }
    void Value(const std::string& sheet, int row, int column, const Cell& value) {
        if (value.IsMissing()) {
            Line("empty", sheet, CellName(row, column));
        } else {
            Line("number", sheet, CellName(row, column), NumberText(value.AsNumber()));
        }
    }
    void Formula(const std::string& sheet, int row, int column, const std::string& formula) {
        Line("formula", sheet, CellName(row, column), formula);
    }
    void Breaks(const std::string& sheet, const std::string& rows) { Line("breaks", sheet, rows); }
    void MaxColumn(const std::string& sheet, int column) {
        Line("maxcol", sheet, std::to_string(column));
    }

    // Runs the script on `workbook`; returns its complaints, empty when all hold.
    std::string Check(const std::filesystem::path& workbook) const {
        const auto folder = workbook.parent_path();
        std::ofstream(folder / "expectations.tsv") << out_.str();
        const auto report = folder / "openpyxl.txt";
        const std::string command = "/usr/bin/python3 '" NUBERA_SOURCE_DIR
                                    "/tests/report/check_result_workbook.py' '" +
                                    (folder / "expectations.tsv").string() + "' '" +
                                    workbook.string() + "' > '" + report.string() + "' 2>&1";
        const int status = std::system(command.c_str());
        std::ifstream in(report);
        const std::string complaints(std::istreambuf_iterator<char>(in), {});
        return status == 0 ? std::string() : "exit " + std::to_string(status) + "\n" + complaints;
    }

  private:
    template <typename... Fields>
    void Line(const char* kind, const Fields&... fields) {
        out_ << kind;
        ((out_ << '\t' << fields), ...);
        out_ << '\n';
    }
    std::ostringstream out_;
};

void ExpectBlock(Expectations& e, const std::string& sheet, int r, const std::string& title,
                 const PointDetail& detail, const PointDetail& firstLoad) {
    e.Text(sheet, r, 1, title);
    for (std::size_t k = 0; k < kPointCount; ++k) {
        const int row = r + 3 + static_cast<int>(k);
        e.Text(sheet, row, 2, CircledNumber(static_cast<int>(k) + 1));
        e.Value(sheet, row, 3, detail[k][point_item::kOffset]);
        e.Value(sheet, row, 4, firstLoad[k][point_item::kOffset]);
        e.Value(sheet, row, 5, detail[k][point_item::kModulus]);
        e.Value(sheet, row, 6, detail[k][point_item::kHalfWidth]);
        e.Value(sheet, row, 7, detail[k][point_item::kLoad]);
        e.Value(sheet, row, 8, detail[k][point_item::kResult]);
    }
}

void ExpectSummary(Expectations& e, const std::string& sheet, const std::vector<PointDetail>& loads,
                   const PointDetail* surcharge) {
    const int loadColumns = static_cast<int>(loads.size());
    const int totalColumn = 4 + loadColumns + 1;  // the surcharge column stays, used or not
    // The extremes under the plot reach column G whatever columns went.
    e.MaxColumn(sheet, std::max(totalColumn, 7));
    e.Text(sheet, 3, totalColumn, "合計\n(cm)");
    e.Text(sheet, 3, totalColumn - 1, "qX\n(cm)");
    for (std::size_t b = 0; b < kPointCount; ++b) {
        const int row = 4 + static_cast<int>(b);
        e.Text(sheet, row, 2, CircledNumber(static_cast<int>(b) + 1));
        e.Value(sheet, row, 3, loads[0][b][point_item::kOffset]);
        double total = 0;
        for (int i = 0; i < loadColumns; ++i) {
            e.Value(sheet, row, 4 + i, loads[i][b][point_item::kResult]);
            total += loads[i][b][point_item::kResult].AsNumber();
        }
        if (surcharge) {
            e.Value(sheet, row, totalColumn - 1, (*surcharge)[b][point_item::kResult]);
            total += (*surcharge)[b][point_item::kResult].AsNumber();
        }
        e.Formula(sheet, row, totalColumn,
                  "=SUM(D" + std::to_string(row) + ":" + CellName(row, totalColumn - 1) + ")");
        e.Value(sheet, row, totalColumn, Cell::Number(total));
    }
}

std::filesystem::path Produce(const ReportRun& run, std::string_view folderName) {
    const auto folder = FreshFolder(folderName);
    std::string error;
    const auto path = report::WriteResultWorkbook(
        run.project, run.results, run.context, TemplatePath(), folder,
        {std::chrono::year{2024}, std::chrono::March, std::chrono::day{5}}, &error);
    EXPECT_TRUE(path) << error;
    return path.value_or(folder);
}

TEST(IndependentReader, OneBlockProject) {
    const ReportRun run = OneBlockRun();
    const CalcResults& r = run.results;
    Expectations e;
    e.Sheets({"表紙", "入力条件", "計算方法", "即時沈下量の計算", "即時沈下量のまとめ"});
    ExpectBlock(e, "即時沈下量の計算", 2, "分布荷重：ｑ１", r.settlementDetail[0],
                r.settlementDetail[0]);
    e.Text("即時沈下量の計算", 2, 3, "H = 8.00m");
    e.Text("即時沈下量の計算", 2, 5, "重心位置 = 0.00m");
    e.Breaks("即時沈下量の計算", "");
    e.Text("即時沈下量のまとめ", 2, 2,
           "Em(換算変形係数) = " + report::NumberTextOrBlank(Cell::Number(r.equivalentModulus)) +
               " kN/㎡");
    e.Text("即時沈下量のまとめ", 2, 6, "H(深度) = 8.00 m");
    e.Text("即時沈下量のまとめ", 3, 4, "q1\n(cm)");
    ExpectSummary(e, "即時沈下量のまとめ", r.settlementDetail, nullptr);
    const std::string complaints = e.Check(Produce(run, "openpyxl-one-block"));
    EXPECT_TRUE(complaints.empty()) << complaints;
}

TEST(IndependentReader, FiveBlocksWithSurchargeAndLateral) {
    const ReportRun run = FiveBlockRun();
    const CalcResults& r = run.results;
    Expectations e;
    e.Sheets({"表紙", "入力条件", "計算方法", "即時沈下量の計算", "即時沈下量のまとめ",
              "側方変位量の計算", "側方変位量のまとめ"});
    const int rows[] = {2, 18, 35, 50, 67};
    for (const bool lateral : {false, true}) {
        const std::string calc = lateral ? "側方変位量の計算" : "即時沈下量の計算";
        const auto& loads = lateral ? r.lateralDetail : r.settlementDetail;
        const auto& surcharge = lateral ? r.surchargeLateralDetail : r.surchargeSettlementDetail;
        for (int i = 0; i < 5; ++i) {
            ExpectBlock(e, calc, rows[i], "分布荷重：ｑ" + report::FullWidthDigits(i + 1), loads[i],
                        loads[0]);
        }
        ExpectBlock(e, calc, 82, "分布荷重：ｑＸ", surcharge, loads[0]);
        e.Text(calc, 83, 1, "（上載荷重）");
        e.Breaks(calc, "34,66,98");
        const std::string summary = lateral ? "側方変位量のまとめ" : "即時沈下量のまとめ";
        ExpectSummary(e, summary, loads, &surcharge);
        e.Text(summary, 3, 8, "q5\n(cm)");
    }
    e.Text("即時沈下量の計算", 2, 3, "H = 8.00m");
    e.Text("即時沈下量の計算", 82, 3, "H = 8.00m");
    e.Text("即時沈下量の計算", 82, 5, "重心位置 = -1.00m");
    e.Text("側方変位量の計算", 18, 3, "載荷奥行 = 5.00m");
    e.Text("側方変位量の計算", 18, 5, "ﾎﾟｱｿﾝ比 = 0.3");
    e.Text("側方変位量の計算", 19, 5, "重心位置 = 1.00m");
    e.Text("即時沈下量のまとめ", 2, 6, "H(深度) = 8.00 m");
    e.Text("側方変位量のまとめ", 2, 6, "載荷奥行 = 5.00 m");
    const std::string complaints = e.Check(Produce(run, "openpyxl-five-blocks"));
    EXPECT_TRUE(complaints.empty()) << complaints;
}

// Deleting the surplus load columns moves the summary's right-hand columns
// onto F, so the depth text written into F2 afterwards must still find the
// header style there, however many columns went.
TEST(IndependentReader, TheDepthTextKeepsTheHeaderStyleWhateverColumnsGo) {
    const std::string script = R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
for name in ("即時沈下量のまとめ", "側方変位量のまとめ"):
    if name in book.sheetnames:
        b2, f2 = book[name]["B2"], book[name]["F2"]
        print(name, f2.style_id == b2.style_id)
)";
    const struct {
        const char* folder;
        ReportRun run;
        const char* expected;
    } cases[] = {
        {"openpyxl-style-one-block", OneBlockRun(), "即時沈下量のまとめ True\n"},
        {"openpyxl-style-two-blocks", ManualPointsRun(),
         "即時沈下量のまとめ True\n側方変位量のまとめ True\n"},
        {"openpyxl-style-five-blocks", FiveBlockRun(),
         "即時沈下量のまとめ True\n側方変位量のまとめ True\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(test::RunOpenpyxl(script, Produce(c.run, c.folder)), c.expected);
    }
}

}  // namespace
}  // namespace nubera::report

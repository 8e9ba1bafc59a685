// The printed report as a checker reads it: the PDF's text layer holds the
// project's description, the file's digest, the method's symbols, the signs
// and the extremes, and its fonts are embedded subsets.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "projectfile/project_file.h"
#include "tests/cli/run_cli.h"
#include "text/cp932.h"

namespace nubera::test {
namespace {

using json = nlohmann::ordered_json;

std::string Output(const std::string& command) {
    std::string out;
    RunCommand(command, &out);
    return out;
}

// pdftotext joins a page's words with blanks and line breaks; the checks
// look for words and phrases within one line.
std::string PdfText(const std::filesystem::path& pdf) {
    return Output("pdftotext -enc UTF-8 '" + pdf.string() + "' -");
}

TEST(CalculationDocumentPdf, CarriesTheDescriptionDigestMethodSignsAndExtremes) {
    const auto folder = FreshFolder("document-pdf");
    ProjectData project;
    std::string error;
    const auto loaded = LoadProject(
        std::filesystem::path(NUBERA_SOURCE_DIR) / "examples" / "five-blocks-lateral.nbr", &error);
    ASSERT_TRUE(loaded) << error;
    ApplyLoadedProject(*loaded, project);
    project.poissonRatio = std::stod(loaded->poissonText);
    project.description = {.title = "堤防開削部検討",
                           .section = "No.12+5.0",
                           .designer = "設計一郎",
                           .checker = "照査二郎",
                           .approver = "承認三郎",
                           .revision = "第2版",
                           .notes = "備考の一行目"};
    const auto file = folder / "described.nbr";
    ASSERT_TRUE(SaveProject(project, file, &error)) << error;

    const auto run =
        RunCli("calc '" + file.string() + "' --json --pdf --out '" + folder.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    const std::filesystem::path pdf = result["pdf"].get<std::string>();
    const std::string text = PdfText(pdf);
    const std::string digest = Output("sha256sum '" + file.string() + "'").substr(0, 64);
    for (const std::string& expected :
         {std::string("堤防開削部検討"), std::string("No.12+5.0"), std::string("設計一郎"),
          std::string("照査二郎"), std::string("承認三郎"), std::string("第2版"),
          std::string("備考の一行目"), digest, std::string("計算方法"), std::string("Em = ln["),
          std::string("θ：荷重分散角＝30°"), std::string("c：載荷奥行＝開削幅の半分 B/2"),
          std::string("T1 = (c / 2a)"), std::string("右向きを正"), std::string("最大沈下量"),
          std::string("最大側方変位量（＋）"), std::string("最大側方変位量（－）")}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
}

// The largest input sheet: twenty layers, five blocks with the surcharge and
// eleven manual points, two pages whose break falls at the surcharge.
std::filesystem::path LargestInputs(const std::filesystem::path& folder) {
    std::string lines = ProjectHeaderLine() +
                        "\r\n[開削幅]\r\n12\r\n!END\r\n[堤体幅]\r\n40\r\n!END\r\n[土質条件]\r\n";
    for (int layer = 1; layer <= 20; ++layer) {
        lines += "1," + std::to_string(layer) + "," + std::to_string(2000 + 1000 * layer) + "\r\n";
    }
    lines +=
        "!END\r\n[盛土荷重]\r\n"
        "1,0.3,1.3,18,23.4,13,0.5,3.5,1.5,4.5,15.75,0\r\n"
        "1.5,0,1.5,18,27,10,2.5,6,2,8.25,15.25,-0.5\r\n"
        "2,0,2,18.5,37,7,2.5,12,3,14.75,15.75,0\r\n"
        "2,0,2,19,38,3,3,20,3,23,16,0.25\r\n"
        "2,0,2,19,38,0,3,30,3,33,18,2.25\r\n"
        "!END\r\n[上載荷重]\r\n10,3.5,-0.5\r\n!END\r\n[着目点手動設定]\r\n"
        "-15,-12,-9,-6,-3,0,3,6,9,12,15\r\n!END\r\n[処理Mode]\r\n1\r\n!END\r\n"
        "[ﾎﾟｱｿﾝ比]\r\n0.35\r\n!END\r\n";
    const auto path = folder / "largest.nbr";
    const auto bytes = Utf8ToCp932(lines);
    EXPECT_TRUE(bytes);
    std::ofstream(path, std::ios::binary) << bytes.value_or("");
    return path;
}

// Our renderer and LibreOffice both keep every heading with the first lines
// of what it heads, on the largest input sheet too, and print as many pages;
// LibreOffice's part is skipped where it is not installed.
TEST(CalculationDocumentPdf, NoHeadingEndsAPageInEitherRenderer) {
    const auto folder = FreshFolder("headings-kept");
    const std::string headings =
        " 土質条件 盛土荷重 上載荷重 '着目点（手動設定）' 記号と単位 '換算変形係数 Em'"
        " '即時沈下量 S（荷重ごと）' '側方変位量 δ（荷重ごと）' 重ね合わせと丸め 前提 座標と符号"
        " '最大値（全荷重の合計）'";
    auto check = [&headings](const std::string& pdf) {
        std::string out;
        const int status = RunCommand("/usr/bin/python3 '" NUBERA_SOURCE_DIR
                                      "/tests/cli/check_headings_kept.py' '" +
                                          pdf + "'" + headings + " 2>&1",
                                      &out);
        EXPECT_EQ(status, 0) << pdf << "\n" << out;
    };
    auto pages = [](const std::string& pdf) {
        const std::string info = Output("pdfinfo '" + pdf + "'");
        const auto at = info.find("Pages:");
        return at == std::string::npos ? info : info.substr(at, info.find('\n', at) - at);
    };
    std::string found;
    const bool libreOffice = RunCommand("command -v soffice", &found) == 0;
    const std::string projects[] = {"'" NUBERA_SOURCE_DIR "/examples/five-blocks-lateral.nbr'",
                                    "'" + LargestInputs(folder).string() + "' --placement manual"};
    for (const std::string& project : projects) {
        const auto out = folder / std::to_string(&project - projects);
        const auto run = RunCli("calc " + project + " --json --pdf --out '" + out.string() + "'");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const json result = json::parse(run.out);
        const std::string pdf = result["pdf"].get<std::string>();
        check(pdf);
        if (!libreOffice) continue;
        const std::filesystem::path workbook = result["workbook"].get<std::string>();
        const auto converted = out / "libreoffice";
        std::string said;
        ASSERT_EQ(RunCommand("HOME='" + folder.string() +
                                 "' soffice --headless --convert-to pdf --outdir '" +
                                 converted.string() + "' '" + workbook.string() + "' 2>&1",
                             &said),
                  0)
            << said;
        const std::string theirs =
            (converted / workbook.filename().replace_extension(".pdf")).string();
        check(theirs);
        EXPECT_EQ(pages(theirs), pages(pdf)) << project;
    }
    if (!libreOffice) GTEST_SKIP() << "LibreOffice is not installed";
}

}  // namespace
}  // namespace nubera::test

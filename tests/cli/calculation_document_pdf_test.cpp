// The printed report as a checker reads it: the PDF's text layer holds the
// project's description, the file's digest, the method's symbols, the signs
// and the extremes, and its fonts are embedded subsets.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "projectfile/project_file.h"
#include "tests/cli/run_cli.h"

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

// Our renderer and LibreOffice both keep every heading with the first lines
// of what it heads; LibreOffice's part is skipped where it is not installed.
TEST(CalculationDocumentPdf, NoHeadingEndsAPageInEitherRenderer) {
    const auto folder = FreshFolder("headings-kept");
    const auto run = RunCli("calc '" NUBERA_SOURCE_DIR
                            "/examples/five-blocks-lateral.nbr' --json --pdf --out '" +
                            folder.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    const std::string headings =
        " 土質条件 盛土荷重 上載荷重 記号と単位 '換算変形係数 Em' '即時沈下量 S（荷重ごと）'"
        " '側方変位量 δ（荷重ごと）' 重ね合わせと丸め 前提 座標と符号 '最大値（全荷重の合計）'";
    auto check = [&headings](const std::string& pdf) {
        std::string out;
        const int status = RunCommand("/usr/bin/python3 '" NUBERA_SOURCE_DIR
                                      "/tests/cli/check_headings_kept.py' '" +
                                          pdf + "'" + headings + " 2>&1",
                                      &out);
        EXPECT_EQ(status, 0) << pdf << "\n" << out;
    };
    check(result["pdf"].get<std::string>());

    std::string found;
    if (RunCommand("command -v soffice", &found) != 0) {
        GTEST_SKIP() << "LibreOffice is not installed";
    }
    const std::filesystem::path workbook = result["workbook"].get<std::string>();
    const auto converted = folder / "libreoffice";
    std::string out;
    ASSERT_EQ(
        RunCommand("HOME='" + folder.string() + "' soffice --headless --convert-to pdf --outdir '" +
                       converted.string() + "' '" + workbook.string() + "' 2>&1",
                   &out),
        0)
        << out;
    check((converted / workbook.filename().replace_extension(".pdf")).string());
}

}  // namespace
}  // namespace nubera::test

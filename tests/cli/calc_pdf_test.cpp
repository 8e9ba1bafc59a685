#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "run_cli.h"

namespace nubera {
namespace {

using ::testing::HasSubstr;

using json = nlohmann::ordered_json;
using testing_support::Example;
using testing_support::FreshFolder;
using testing_support::RunCli;

// What poppler's pdfinfo reads of a PDF file.
std::string PdfInfo(const std::filesystem::path& pdf) {
    std::string text;
    testing_support::RunCommand("pdfinfo '" + pdf.string() + "'", &text);
    return text;
}

TEST(CalcPdf, WritesThePrintedPagesBesideTheWorkbookAndNamesThem) {
    const auto folder = FreshFolder("pdf");
    const auto run = RunCli("calc " + Example("five-blocks-lateral.nbr") + " --json --pdf --out '" +
                            folder.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    const std::filesystem::path workbook = result["workbook"].get<std::string>();
    const std::filesystem::path pdf = result["pdf"].get<std::string>();
    EXPECT_EQ(pdf.parent_path(), workbook.parent_path());
    EXPECT_EQ(pdf.stem(), workbook.stem());
    EXPECT_EQ(pdf.extension(), ".pdf");
    EXPECT_THAT(PdfInfo(pdf), HasSubstr("Pages:           9\n"));
}

TEST(CalcPdf, WithoutAskingThereIsNoPdf) {
    const auto folder = FreshFolder("no-pdf");
    const auto run =
        RunCli("calc " + Example("one-block.nbr") + " --json --out '" + folder.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(json::parse(run.out)["pdf"].is_null());
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_NE(entry.path().extension(), ".pdf");
    }
}

TEST(CalcPdf, NeedsTheWorkbook) {
    const auto run = RunCli("calc " + Example("one-block.nbr") + " --pdf --no-workbook");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, HasSubstr("--no-workbook")) << run.err;
}

}  // namespace
}  // namespace nubera

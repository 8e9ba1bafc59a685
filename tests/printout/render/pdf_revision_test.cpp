// The PDF's document information and font names as a PDF reader lists them
// (poppler's pdfinfo and pdffonts), and the update that mends them refusing
// a file it does not know.

#include "printout/render/pdf_revision.h"

#include <gtest/gtest.h>

#include <QFile>
#include <regex>
#include <sstream>

#include "printout/render/printed_pages.h"
#include "printout/workbook_printout.h"
#include "report/result_printout.h"
#include "report/text/report_context.h"
#include "tests/printout/render/example_report.h"

namespace nubera::test {
namespace {

std::string InformationLine(const std::string& info, const std::string& key) {
    std::istringstream lines(info);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(key + ":", 0) == 0) {
            const auto value = line.find_first_not_of(' ', key.size() + 1);
            return value == std::string::npos ? "" : line.substr(value);
        }
    }
    return "(none)";
}

TEST(PdfRevision, TheDocumentIsTheWorkbooksWithTheProgramAsAuthorAndTaggedSubsetFonts) {
    const ExampleReport report = RunExample("five-blocks-lateral.nbr");
    const auto pdf = report.workbook.parent_path() / "revised.pdf";
    const printout::WorkbookPrintout printout(
        report.workbook, report::PrintedResultSheets(report.project.alsoLateral));
    ASSERT_EQ(printout::WritePdf(printout, pdf), "");

    const std::string info = CommandOutput("pdfinfo '" + pdf.string() + "'");
    EXPECT_EQ(InformationLine(info, "Title"), "即時沈下量計算結果（five-blocks-lateral.nbr）");
    EXPECT_EQ(InformationLine(info, "Author"), report::ProgramText());
    EXPECT_EQ(InformationLine(info, "Creator"), "ヌベラ");
    EXPECT_NE(InformationLine(info, "CreationDate"), "(none)") << "the writer's date is kept";

    // name, type (two words), encoding, then emb, sub and uni.
    const std::string fonts = CommandOutput("pdffonts '" + pdf.string() + "'");
    const std::regex subset(R"(^[A-Z]{6}\+\S+\s+CID TrueType\s+Identity-H\s+yes yes yes\s)");
    std::istringstream lines(fonts);
    std::string line;
    std::getline(lines, line);
    std::getline(lines, line);
    int listed = 0;
    for (; std::getline(lines, line); ++listed) {
        EXPECT_TRUE(std::regex_search(line, subset)) << line;
    }
    EXPECT_GE(listed, 1) << fonts;
    // The text layer reads through the updated fonts.
    EXPECT_NE(CommandOutput("pdftotext -enc UTF-8 '" + pdf.string() + "' -").find("計算方法"),
              std::string::npos);
}

TEST(PdfRevision, AFileNotEndingAsQtWritesItIsLeftAsItIs) {
    const ExampleReport report = RunExample("one-block.nbr");
    const auto pdf = report.workbook.parent_path() / "once.pdf";
    const printout::WorkbookPrintout printout(
        report.workbook, report::PrintedResultSheets(report.project.alsoLateral));
    ASSERT_EQ(printout::WritePdf(printout, pdf), "");
    QFile file(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray revised = file.readAll();
    const printout::PdfInformation information{"t", "a", "c"};

    QByteArray again = revised;  // already updated once: its trailer points back
    EXPECT_FALSE(printout::ReviseNamesAndInformation(again, information));
    EXPECT_EQ(again, revised);
    QByteArray cut = revised.left(revised.size() / 2);  // no cross-reference at all
    const QByteArray before = cut;
    EXPECT_FALSE(printout::ReviseNamesAndInformation(cut, information));
    EXPECT_EQ(cut, before);
    QByteArray text = "%PDF-1.4\nstartxref\n999999\n%%EOF\n";
    EXPECT_FALSE(printout::ReviseNamesAndInformation(text, information));
}

}  // namespace
}  // namespace nubera::test

// nubera-pdf: writes the printed pages of sheets of a workbook as a PDF.
//   nubera-pdf [--replace] WORKBOOK.xlsx OUTPUT.pdf SHEET...
//   nubera-pdf [--replace] --list
//   nubera-pdf --version
// The second form reads any number of workbooks from standard input, each
// as WORKBOOK, OUTPUT and its SHEETs, every field ended by a NUL byte and the
// last sheet followed by an empty field, and writes one answer per workbook
// to standard output, ended by a NUL byte: empty when its PDF was written,
// else the reason. Starting once for a whole batch spares it starting the
// fonts and the painting for every workbook. A PDF never replaces a file of
// its name unless --replace is given; without it that PDF is refused.
// Exit status: 0 written (with --list: every answer given), 1 a workbook or
// a PDF failed (the reason on stderr), 2 a usage error.

#include <QGuiApplication>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printout/render/printed_pages.h"
#include "printout/workbook_printout.h"
#include "version.h"

namespace {

struct PdfJob {
    std::string workbook;
    std::string pdf;
    std::vector<std::string> sheets;
};

using nubera::ExistingFile;

// Writes one PDF; returns why it failed, or nothing.
std::string WriteOne(const PdfJob& job, ExistingFile existing) {
    try {
        const nubera::printout::WorkbookPrintout printout(job.workbook, job.sheets);
        return nubera::printout::WritePdf(printout, job.pdf, existing);
    } catch (const std::exception& failure) {
        return failure.what();
    }
}

// The jobs of the list on standard input; nothing when it is malformed.
std::optional<std::vector<PdfJob>> ReadList(std::istream& in) {
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<PdfJob> jobs;
    std::vector<std::string> fields;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = bytes.find('\0', at);
        if (end == std::string::npos) return std::nullopt;
        std::string field = bytes.substr(at, end - at);
        at = end + 1;
        if (!field.empty()) {
            fields.push_back(std::move(field));
            continue;
        }
        if (fields.size() < 3) return std::nullopt;
        jobs.push_back({fields[0], fields[1], {fields.begin() + 2, fields.end()}});
        fields.clear();
    }
    if (!fields.empty()) return std::nullopt;
    return jobs;
}

int WriteListed(ExistingFile existing) {
    const auto jobs = ReadList(std::cin);
    if (!jobs) {
        std::cerr << "nubera-pdf --list: the list on standard input is malformed\n";
        return 2;
    }
    for (const PdfJob& job : *jobs) {
        std::cout << WriteOne(job, existing) << '\0' << std::flush;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << nubera::kProgramAndVersion << '\n';
        return 0;
    }
    const bool replace = argc > 1 && std::string_view(argv[1]) == "--replace";
    const ExistingFile existing = replace ? ExistingFile::Replace : ExistingFile::Refuse;
    char** arguments = argv + (replace ? 2 : 1);
    const int count = argc - (replace ? 2 : 1);
    const bool listed = count == 1 && std::string_view(arguments[0]) == "--list";
    if (count < 3 && !listed) {
        std::cerr << "usage: nubera-pdf [--replace] WORKBOOK.xlsx OUTPUT.pdf SHEET...\n"
                     "       nubera-pdf [--replace] --list\n"
                     "       nubera-pdf --version\n";
        return 2;
    }
    // A file-size limit makes the write fail with its reason instead of
    // ending the program silently.
    std::signal(SIGXFSZ, SIG_IGN);
    // Fonts and painting need a platform, never a screen.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // nubera-cli shows what this program prints as its message; Qt's own
    // notes about the environment (in English) are no part of it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) std::cerr << text.toStdString() << '\n';
    });
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    if (listed) return WriteListed(existing);
    const std::string failure =
        WriteOne({arguments[0], arguments[1], {arguments + 2, arguments + count}}, existing);
    if (!failure.empty()) {
        std::cerr << failure << '\n';
        return 1;
    }
    return 0;
}

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
// A workbook is read on a thread of its own while Qt starts (or while the
// one before it is drawn), and the font configuration is loaded on another:
// neither needs Qt, and each takes as long as starting Qt.

#include <sys/prctl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <future>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/helper_caller.h"
#include "printout/render/font_configuration.h"
#include "printout/render/print_fonts.h"
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
using nubera::printout::WorkbookPrintout;

std::future<std::unique_ptr<WorkbookPrintout>> StartReading(const PdfJob& job) {
    return std::async(std::launch::async, [&job] {
        return std::make_unique<WorkbookPrintout>(job.workbook, job.sheets);
    });
}

// Writes one PDF of the workbook being read; returns why it failed, or nothing.
std::string WriteOne(std::future<std::unique_ptr<WorkbookPrintout>> reading, const PdfJob& job,
                     ExistingFile existing) {
    try {
        return nubera::printout::WritePdf(*reading.get(), job.pdf, existing);
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

// Answers for each job in turn, reading the next workbook while one is drawn.
int WriteListed(const std::vector<PdfJob>& jobs,
                std::future<std::unique_ptr<WorkbookPrintout>> first, ExistingFile existing) {
    std::future<std::unique_ptr<WorkbookPrintout>> next = std::move(first);
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        std::future<std::unique_ptr<WorkbookPrintout>> reading = std::move(next);
        if (i + 1 < jobs.size()) next = StartReading(jobs[i + 1]);
        std::cout << WriteOne(std::move(reading), jobs[i], existing) << '\0' << std::flush;
    }
    return 0;
}

// Whether the program that started this one is gone: a PDF nobody waits
// for any more is never written. From here on the system ends this program
// when its parent ends; a caller that named itself and is no longer the
// parent died before that took hold.
bool CallerGone() {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const char* caller = std::getenv(nubera::cli::kHelperCallerVariable);
    if (caller == nullptr) return false;
    const std::string_view text(caller);
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pid);
    return error != std::errc() || end != text.data() + text.size() || pid != ::getppid();
}

}  // namespace

int main(int argc, char** argv) {
    if (CallerGone()) return 1;
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
    std::optional<std::vector<PdfJob>> jobs;
    if (listed) {
        jobs = ReadList(std::cin);
        if (!jobs) {
            std::cerr << "nubera-pdf --list: the list on standard input is malformed\n";
            return 2;
        }
    } else {
        jobs = {{arguments[0], arguments[1], {arguments + 2, arguments + count}}};
    }
    std::future<std::unique_ptr<WorkbookPrintout>> first;
    if (!jobs->empty()) first = StartReading(jobs->front());
    std::thread fontConfiguration(nubera::printout::LoadFontConfiguration);
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    fontConfiguration.join();
    nubera::printout::FindInstalledFonts();
    if (listed) return WriteListed(*jobs, std::move(first), existing);
    const std::string failure = WriteOne(std::move(first), jobs->front(), existing);
    if (!failure.empty()) {
        std::cerr << failure << '\n';
        return 1;
    }
    return 0;
}

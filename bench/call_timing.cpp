// bench_calls: the whole-process time of the calls a person waits for, each
// against its floor, measured in one run with the calls taking turns so that
// a busy machine weighs on both alike.
// - One project with its workbook (`nubera-cli calc PROJECT --out FOLDER`)
//   against durable_floor, which publishes a file of the same bytes as
//   durably and does nothing else.
// - `nubera-pdf` writing the printed pages of that workbook, against the
//   same drawing done inside a process already started (bench_render's
//   drawing timed here): what remains is start-up and finding fonts.
// The programs are looked for beside this one.
//   bench_calls PROJECT [RUNS]   (default 30)

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "bench/child_process.h"
#include "printout/render/printed_pages.h"
#include "printout/workbook_printout.h"
#include "report/result_printout.h"

namespace {

namespace fs = std::filesystem;
using nubera::bench::RunChild;
using nubera::bench::Spread;
using nubera::bench::SpreadOf;

// nubera-pdf's time for the example's workbook before it was made faster,
// on these machines.
constexpr double kPdfBefore = 116;

void Fail(const std::string& what) {
    std::cerr << "bench_calls: " << what << '\n';
    std::exit(1);
}

double Milliseconds(const std::vector<std::string>& arguments) {
    const nubera::bench::ChildRun run = RunChild(arguments);
    if (!run.succeeded) Fail(arguments.front() + " failed");
    return 1000 * run.seconds;
}

// Reading the workbook and drawing its pages into a PDF in memory, as
// nubera-pdf does once started, `runs` times.
std::vector<double> DrawingMilliseconds(const fs::path& workbook, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const nubera::printout::WorkbookPrintout printout(
            workbook, nubera::report::PrintedResultSheets(true));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        nubera::printout::PrintPages(writer, printout);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    return times;
}

void PrintRatio(const char* what, Spread measured, const char* floorName, Spread floor) {
    std::printf("%-34s min %6.1f ms  median %6.1f ms\n", what, measured.min, measured.median);
    std::printf("%-34s min %6.1f ms  median %6.1f ms\n", floorName, floor.min, floor.median);
    std::printf("  ratio: %.2fx by the minimums, %.2fx by the medians\n", measured.min / floor.min,
                measured.median / floor.median);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: bench_calls PROJECT [RUNS]\n";
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    const std::string project = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path();
    const std::string cli = (bin / "nubera-cli").string();
    char pattern[] = "/tmp/nubera-bench-calls-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) Fail("no temporary folder");
    const fs::path work = pattern;
    fs::create_directories(work / "first");
    Milliseconds({cli, "calc", project, "--out", (work / "first").string()});
    const fs::path workbook = fs::directory_iterator(work / "first")->path();
    std::vector<std::string> pdfCall{(bin / "nubera-pdf").string(), workbook.string(),
                                     (work / "pages.pdf").string()};
    for (const std::string& sheet : nubera::report::PrintedResultSheets(true))
        pdfCall.push_back(sheet);

    std::vector<double> calls, floors, pdfs;
    for (int i = 0; i < runs; ++i) {
        const fs::path out = work / std::to_string(i);  // a day has 100 names
        fs::create_directories(out);
        calls.push_back(Milliseconds({cli, "calc", project, "--out", out.string()}));
        floors.push_back(
            Milliseconds({(bin / "durable_floor").string(), workbook.string(), out.string()}));
        pdfs.push_back(Milliseconds(pdfCall));
        fs::remove(work / "pages.pdf");
    }
    const Spread drawing = SpreadOf(DrawingMilliseconds(workbook, runs));
    std::printf("%d runs of each, taking turns (%ju bytes of workbook)\n", runs,
                static_cast<std::uintmax_t>(fs::file_size(workbook)));
    fs::remove_all(work);
    PrintRatio("one project with its workbook:", SpreadOf(calls),
               "durable floor (same bytes):", SpreadOf(floors));
    std::printf("  goal: at most 1.25x\n");
    const Spread pdf = SpreadOf(pdfs);
    PrintRatio("nubera-pdf, the workbook's pages:", pdf,
               "the same drawn in a started process:", drawing);
    std::printf("  against the %.0f ms it took before: %.2fx by the minimum, %.2fx by the median\n",
                kPdfBefore, pdf.min / kPdfBefore, pdf.median / kPdfBefore);
    std::printf("  goal: at most 0.50x (half; drawing then: 50-69 ms)\n");
    return 0;
}

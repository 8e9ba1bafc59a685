// Prints how fast the printed pages of a result workbook are prepared and
// drawn: reading and laying out the pages (what the print preview does before
// it shows anything), the whole preview (read, lay out and draw every page),
// and pages per second drawn into a PDF, as printing and `--pdf` draw them.
//   bench_render WORKBOOK.xlsx [SECONDS]
// run.sh passes the workbook of the largest example (five blocks, a
// surcharge, lateral displacement: eight pages).

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <cstdlib>
#include <functional>
#include <iostream>

#include "bench/repeat_timing.h"
#include "printout/render/page_painter.h"
#include "printout/render/printed_pages.h"
#include "printout/workbook_printout.h"
#include "report/result_printout.h"

namespace {

// The mean time of one `work`, in milliseconds, over about `seconds`.
double MeanMilliseconds(const std::function<void()>& work, double seconds) {
    return 1000 * nubera::bench::MeanSeconds(work, seconds);
}

// What the preview records before showing: every page drawn once.
void DrawPreview(const nubera::printout::WorkbookPrintout& printout) {
    for (int page = 0; page < printout.PageCount(); ++page) {
        QPicture picture;
        QPainter painter(&picture);
        nubera::printout::PagePainter(painter, printout).Paint(page);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: bench_render WORKBOOK.xlsx [SECONDS]\n";
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    const std::filesystem::path workbook = argv[1];
    const double seconds = argc > 2 ? std::atof(argv[2]) : 2.0;
    const std::vector<std::string> sheets = nubera::report::PrintedResultSheets(true);
    try {
        const nubera::printout::WorkbookPrintout printout(workbook, sheets);
        const int pages = printout.PageCount();
        const double open = MeanMilliseconds(
            [&] { nubera::printout::WorkbookPrintout(workbook, sheets); }, seconds);
        const double preview = MeanMilliseconds(
            [&] { DrawPreview(nubera::printout::WorkbookPrintout(workbook, sheets)); }, seconds);
        const double pdf = MeanMilliseconds(
            [&] {
                QBuffer buffer;
                buffer.open(QIODevice::WriteOnly);
                QPdfWriter writer(&buffer);
                nubera::printout::PrintPages(writer, printout);
            },
            seconds);
        std::cout << "workbook: " << workbook.string() << " (" << pages << " pages)\n"
                  << "read and lay out:     " << open << " ms\n"
                  << "preview, all pages:   " << preview << " ms\n"
                  << "PDF:                  " << static_cast<long>(pages * 1000 / pdf)
                  << " pages/s (" << pdf << " ms for the workbook)\n";
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return 0;
}

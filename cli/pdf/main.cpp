// nubera-pdf: writes the printed pages of sheets of a workbook as a PDF.
//   nubera-pdf WORKBOOK.xlsx OUTPUT.pdf SHEET...
// Exit status: 0 written, 1 the workbook or the PDF failed (the reason on
// stderr), 2 a usage error.

#include <QGuiApplication>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "printed_pages.h"
#include "workbook_printout.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: nubera-pdf WORKBOOK.xlsx OUTPUT.pdf SHEET...\n";
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
    const std::vector<std::string> sheets(argv + 3, argv + argc);
    try {
        const nubera::sheet::WorkbookPrintout printout(argv[1], sheets);
        if (const std::string failure = nubera::sheet::WritePdf(printout, argv[2]);
            !failure.empty()) {
            std::cerr << failure << '\n';
            return 1;
        }
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return 0;
}

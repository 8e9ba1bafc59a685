// nubera-cli: runs the calculation of a project file without the window.
//   nubera-cli calc PROJECT.nbr [--json] [--placement auto|manual]
//                               [--no-workbook] [--out DIR] [--pdf]
// Exit status: 0 success, 1 a refused file or input (the program's message on
// stderr), 2 a usage error.

#include <CLI/CLI.hpp>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <string>

#include "calc_command.h"
#include "pdf_export.h"
#include "result_workbook.h"
#include "shipped_files.h"
#include "version.h"

namespace {

constexpr int kUsageError = 2;

// The program's own folder: its template and nubera-pdf are found from there.
std::filesystem::path ApplicationFolder(const char* argv0) {
    std::error_code ignored;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ignored);
    if (self.empty()) self = std::filesystem::absolute(argv0, ignored);
    return self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit a write fails with EFBIG and is reported, rather
    // than the signal ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    using nubera::Placement;
    nubera::cli::CalcOptions options;
    const std::filesystem::path folder = ApplicationFolder(argv[0]);
    const auto dataFolders = nubera::DataFolders(folder);
    const auto helperFolders = nubera::HelperFolders(folder);
    options.templatePath = nubera::FindShippedFile(dataFolders, nubera::kTemplateFileName)
                               .value_or(folder / nubera::kTemplateFileName);
    options.pdfTool = nubera::FindShippedFile(helperFolders, nubera::cli::kPdfToolName)
                          .value_or(folder / nubera::cli::kPdfToolName);

    const std::string version = nubera::kProgramAndVersion;
    CLI::App app{version + ": immediate settlement and lateral displacement under fill loads",
                 "nubera-cli"};
    app.set_version_flag("--version", version);
    app.require_subcommand(1);
    CLI::App* calc = app.add_subcommand("calc", "Calculate a project file (.nbr)");
    calc->add_option("PROJECT", options.project, "Project file")->required();
    calc->add_flag("--json", options.json,
                   "Print every result as one JSON object (UTF-8; bytes of a path that are "
                   "not UTF-8 print as U+FFFD)");
    std::string placementText;
    calc->add_option("--placement", placementText,
                     "Points of interest: auto, or manual (the file's points); "
                     "default: manual when the file has manual points")
        ->check(CLI::IsMember({"auto", "manual"}));
    bool noWorkbook = false;
    CLI::Option* noWorkbookFlag =
        calc->add_flag("--no-workbook", noWorkbook, "Do not write the result workbook");
    calc->add_flag("--pdf", options.writePdf,
                   "Also write the workbook's printed pages as a PDF beside it")
        ->excludes(noWorkbookFlag);
    calc->add_option("--out", options.outputFolder,
                     "Folder for the result workbook (default: the current folder)")
        ->check(CLI::ExistingDirectory);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& helpOrVersion) {
        return app.exit(helpOrVersion);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return kUsageError;
    }
    if (!placementText.empty()) {
        options.placement = placementText == "auto" ? Placement::Automatic : Placement::Manual;
    }
    options.writeWorkbook = !noWorkbook;
    if (options.writeWorkbook && !std::filesystem::exists(options.templatePath)) {
        std::cerr << "雛形ファイル「" << nubera::kTemplateFileName
                  << "」が見つかりません。次の場所を探しました:\n"
                  << nubera::PlacesLooked(dataFolders, nubera::kTemplateFileName) << '\n';
        return 1;
    }
    try {
        return nubera::cli::RunCalc(options, std::cout, std::cerr);
    } catch (const std::exception& failure) {  // a fault of the program itself
        std::cerr << "内部エラーのため中止しました: " << failure.what() << '\n';
        return 1;
    }
}

// nubera-cli: runs the calculation of project files without the window.
//   nubera-cli calc PROJECT.nbr [--json] [--placement auto|manual]
//                               [--no-workbook] [--out DIR] [--pdf]
//   nubera-cli calc PROJECT.nbr|FOLDER... [--recursive] [--jobs N]
//                               [--out DIR | --beside] [--replace] [--csv FILE] ...
//   nubera-cli boring FILE.xml [--alpha A] [--depth H] [--merge] [--json]
//                     [--write-project OUT.nbr --excavation-width B --levee-width L
//                      [--replace]]
// Exit status: 0 success, 1 a refused file or input (the program's message on
// stderr; in a batch, any project refused), 2 a usage error.

#include <malloc.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>

#include "cli/batch/batch_command.h"
#include "cli/boring_command.h"
#include "cli/calc_command.h"
#include "cli/output_folders.h"
#include "cli/pdf_export.h"
#include "files/shipped_files.h"
#include "files/system_reason.h"
#include "report/result_workbook.h"
#include "text/path_text.h"
#include "version.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kBatchMmapThreshold = 8 << 20;
constexpr int kBatchTrimThreshold = 64 << 20;

// The program's own folder: its template and nubera-pdf are found from there.
std::filesystem::path ApplicationFolder(const char* argv0) {
    std::error_code ignored;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ignored);
    if (self.empty()) self = std::filesystem::absolute(argv0, ignored);
    return self.parent_path();
}

// The calc command's arguments and options, read into `options` except for
// the two that need translating afterwards.
void AddCalcCommand(CLI::App& app, nubera::cli::CalcOptions& options, std::string& placementText,
                    bool& noWorkbook) {
    CLI::App* calc = app.add_subcommand(
        "calc",
        "Calculate project files (.nbr). One file runs alone: a table or one JSON object, the "
        "workbook named by date. Several files or a folder run as a batch: one summary line "
        "per project, each workbook named after its project, then a count of successes and "
        "refusals");
    calc->add_option("PROJECT", options.projects, "Project files, or folders of them (*.nbr)")
        ->required();
    calc->add_flag("--recursive", options.recursive, "Take the project files of subfolders too");
    options.jobs = std::max(1u, std::thread::hardware_concurrency());
    calc->add_option("--jobs", options.jobs,
                     "Projects calculated at once (default: the number of cores)")
        ->check(CLI::PositiveNumber);
    calc->add_flag("--json", options.json,
                   "Print every result as one JSON object, in a batch one per line with its "
                   "\"project\" (UTF-8; a name that is not UTF-8 prints decoded as code page 932 "
                   "when it is valid there, else with U+FFFD)");
    calc->add_option("--placement", placementText,
                     "Points of interest: auto, or manual (the file's points); "
                     "default: manual when the file has manual points")
        ->check(CLI::IsMember({"auto", "manual"}));
    CLI::Option* noWorkbookFlag =
        calc->add_flag("--no-workbook", noWorkbook, "Do not write the result workbook");
    calc->add_flag("--pdf", options.writePdf,
                   "Also write the workbook's printed pages as a PDF beside it")
        ->excludes(noWorkbookFlag);
    CLI::Option* out = calc->add_option("--out", options.outputFolder,
                                        "Folder for the result workbook (default: the current "
                                        "folder), made when missing");
    calc->add_flag("--beside", options.besideProject,
                   "Batch: write each workbook in its project's folder")
        ->excludes(out)
        ->excludes(noWorkbookFlag);
    calc->add_flag("--replace", options.replace,
                   "Batch: replace a workbook, PDF or CSV file of the same name (otherwise "
                   "that project, or the CSV, is refused)")
        ->excludes(noWorkbookFlag);
    calc->add_option("--csv", options.csv,
                     "Batch: also write the summary to FILE as CSV (UTF-8 with a byte-order "
                     "mark); its folder is made when missing; never a file this call reads or "
                     "writes, nor an existing file without --replace");
}

// The boring command's arguments and options, read into `options`.
CLI::App* AddBoringCommand(CLI::App& app, nubera::cli::BoringOptions& options) {
    CLI::App* boring = app.add_subcommand(
        "boring",
        "Propose soil layers from a boring exchange file (XML, DTD 2.10 to 5.00): each "
        "division a layer with the mean N of the penetration tests starting in it and "
        "Es = alpha * N");
    boring->add_option("FILE", options.file, "The boring exchange file")
        ->required()
        ->check(CLI::ExistingFile);
    boring->add_option("--alpha", options.proposal.alpha, "Es = alpha * N (kN/m2), default 2800");
    boring->add_option("--depth", options.proposal.cutDepth,
                       "Cut the ground at this depth H (m); default: the bottom of the log");
    boring->add_flag("--merge", options.proposal.mergeAlike,
                     "Merge adjacent divisions of the same name");
    boring->add_flag("--json", options.json, "Print the layers as one JSON object");
    CLI::Option* out = boring->add_option(
        "--write-project", options.projectOut,
        "Also write a new project (.nbr) whose soil conditions come from the log");
    boring->add_option("--excavation-width", options.excavationWidth, "Excavation width B (m)")
        ->needs(out);
    boring->add_option("--levee-width", options.leveeWidth, "Levee width L (m)")->needs(out);
    boring
        ->add_flag("--replace", options.replace,
                   "Replace a project file of that name (otherwise the project is not written)")
        ->needs(out);
    return boring;
}

// A batch's settings of the process, made before its threads start.
void PrepareForBatch() {
    // The PDF helper may stop reading its list; the write then fails and its
    // answers say why, rather than the signal ending the batch.
    std::signal(SIGPIPE, SIG_IGN);
    // Every workbook takes and frees zlib's buffers of several hundred
    // kilobytes; by default the C library hands such memory back to the
    // system each time and faults it in again, which costs a batch a tenth
    // of its time.
    mallopt(M_MMAP_THRESHOLD, kBatchMmapThreshold);
    mallopt(M_TRIM_THRESHOLD, kBatchTrimThreshold);
}

// One project file alone, or a batch.
int Run(const nubera::cli::CalcOptions& options) {
    if (!options.IsBatch()) return nubera::cli::RunCalc(options, std::cout, std::cerr);
    PrepareForBatch();
    return nubera::cli::RunBatch(options, std::cout, std::cerr, ::isatty(STDERR_FILENO));
}

// Whether the template can be looked at; otherwise says why on stderr. A
// name that cannot even be looked at (a loop of symbolic links, a folder
// without permission) is reported with the system's reason.
bool TemplateFound(const std::filesystem::path& path,
                   const std::vector<std::filesystem::path>& dataFolders) {
    std::error_code failure;
    if (std::filesystem::exists(path, failure)) return true;
    if (failure) {
        std::cerr << "雛形ファイル「" << nubera::Utf8FromPath(path)
                  << "」を開けません: " << nubera::SystemReasonText(failure.value()) << '\n';
        return false;
    }
    std::cerr << "雛形ファイル「" << nubera::report::kTemplateFileName
              << "」が見つかりません。次の場所を探しました:\n"
              << nubera::PlacesLooked(dataFolders, nubera::report::kTemplateFileName) << '\n';
    return false;
}

// Whether everything printed on standard output reached it: a full disk or
// a closed pipe loses the results, which is a failure, not a success.
bool ResultsDelivered() {
    std::cout.flush();
    if (std::cout) return true;
    std::cerr << "結果を標準出力に書き出せませんでした\n";
    return false;
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
    options.templatePath = nubera::FindShippedFile(dataFolders, nubera::report::kTemplateFileName)
                               .value_or(folder / nubera::report::kTemplateFileName);
    options.pdfTool = nubera::FindShippedFile(helperFolders, nubera::cli::kPdfToolName)
                          .value_or(folder / nubera::cli::kPdfToolName);

    const std::string version = nubera::kProgramAndVersion;
    CLI::App app{version + ": immediate settlement and lateral displacement under fill loads",
                 "nubera-cli"};
    app.set_version_flag("--version", version);
    app.require_subcommand(1);
    std::string placementText;
    bool noWorkbook = false;
    AddCalcCommand(app, options, placementText, noWorkbook);
    nubera::cli::BoringOptions boringOptions;
    CLI::App* boring = AddBoringCommand(app, boringOptions);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& helpOrVersion) {
        return app.exit(helpOrVersion);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return kUsageError;
    }
    if (boring->parsed()) {
        if (boringOptions.projectOut &&
            (boring->count("--excavation-width") == 0 || boring->count("--levee-width") == 0)) {
            std::cerr << "--write-project には --excavation-width と --levee-width が必要です。\n";
            return kUsageError;
        }
        const int status = nubera::cli::RunBoring(boringOptions, std::cout, std::cerr);
        return ResultsDelivered() ? status : 1;
    }
    if (!placementText.empty()) {
        options.placement = placementText == "auto" ? Placement::Automatic : Placement::Manual;
    }
    options.writeWorkbook = !noWorkbook;
    try {
        if (options.writeWorkbook && !TemplateFound(options.templatePath, dataFolders)) return 1;
        if (!nubera::cli::MakeOutputFolders(options, std::cerr)) return 1;
        const int status = Run(options);
        return ResultsDelivered() ? status : 1;
    } catch (const std::exception& failure) {  // a fault of the program itself
        std::cerr << "内部エラーのため中止しました: " << failure.what() << '\n';
        return 1;
    }
}

#include "calc_command.h"

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "calc_results.h"
#include "calculation.h"
#include "engine_error.h"
#include "equivalent_modulus.h"
#include "local_date.h"
#include "pdf_export.h"
#include "project_file.h"
#include "result_workbook.h"
#include "results_json.h"
#include "results_table.h"

namespace nubera::cli {
namespace {

void PrintMessage(std::ostream& err, std::string_view message) {
    err << message << '\n';
}

// The load command's header check, then the reader.
std::optional<LoadedProject> LoadForCalc(const std::filesystem::path& path, std::string* error) {
    switch (CheckProjectHeader(path)) {
        case HeaderCheck::Unreadable:
            *error = "ﾌｧｲﾙを読み込めません: " + path.string();
            return std::nullopt;
        case HeaderCheck::WrongHeader:
            *error = kProjectFileWrongVersion;
            return std::nullopt;
        case HeaderCheck::Ok:
            break;
    }
    return LoadProject(path, error);
}

// The report names the project file as given, without its folder.
std::optional<std::filesystem::path> WriteWorkbook(const CalcOptions& options,
                                                   const ProjectData& project,
                                                   const CalcResults& results, Placement placement,
                                                   std::string* error) {
    const std::u8string name = options.project.filename().u8string();
    const ReportContext context{
        std::string(name.begin(), name.end()),
        std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()), placement};
    return WriteResultWorkbook(project, results, context, options.templatePath,
                               options.outputFolder, LocalToday(), error);
}

}  // namespace

int RunCalc(const CalcOptions& options, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto loaded = LoadForCalc(options.project, &error);
    if (!loaded) {
        PrintMessage(err, error);
        return 1;
    }
    ProjectData project;
    ApplyLoadedProject(*loaded, project);
    const PoissonCheck poisson = CheckLoadedPoisson(*loaded);
    if (!poisson.ok) {
        PrintMessage(err, poisson.message);
        return 1;
    }
    project.poissonRatio = poisson.ratio;
    const Placement placement = options.placement.value_or(LoadedPlacement(*loaded));

    CalcResults results;
    std::optional<std::filesystem::path> workbook;
    try {
        if (RunCalculation(project, results, placement) != RunOutcome::Computed) {
            PrintMessage(err, kEquivalentModulusZero);
            return 1;
        }
    } catch (const EngineError& failure) {
        PrintMessage(err, failure.what());
        return 1;
    }
    std::optional<std::filesystem::path> pdf;
    if (options.writeWorkbook) {
        workbook = WriteWorkbook(options, project, results, placement, &error);
        if (workbook && options.writePdf) {
            pdf = WriteResultPdf(options.pdfTool, *workbook, project.alsoLateral, &error);
        }
        if (!workbook || (options.writePdf && !pdf)) {
            PrintMessage(err, error);
            return 1;
        }
    }
    const RunSummary summary{project, results, placement, workbook, pdf};
    if (options.json) {
        // A path need not be UTF-8 (a folder named in code page 932, say);
        // its invalid bytes print as U+FFFD rather than end the program.
        out << ResultsJson(summary).dump(-1, ' ', false,
                                         nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
    } else {
        PrintResultsTable(summary, out);
    }
    return 0;
}

}  // namespace nubera::cli

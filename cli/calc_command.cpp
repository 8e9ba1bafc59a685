#include "cli/calc_command.h"

#include <ostream>
#include <string>

#include "cli/pdf_export.h"
#include "cli/project_calculation.h"
#include "cli/results_json.h"
#include "cli/results_table.h"
#include "report/result_workbook.h"
#include "text/local_date.h"

namespace nubera::cli {

int RunCalc(const CalcOptions& options, std::ostream& out, std::ostream& err) {
    const std::filesystem::path& path = options.projects.front();
    std::string error;
    const std::optional<ComputedProject> computed = ComputeProject(path, options.placement, &error);
    if (!computed) {
        err << error << '\n';
        return 1;
    }
    const ProjectData& project = computed->project;
    std::optional<std::filesystem::path> workbook;
    std::optional<std::filesystem::path> pdf;
    if (options.writeWorkbook) {
        workbook =
            WriteResultWorkbook(project, computed->results, RunContext(path, computed->placement),
                                options.templatePath, options.outputFolder, LocalToday(), &error);
        if (workbook && options.writePdf) {
            pdf = WriteResultPdf(options.pdfTool, *workbook, project.alsoLateral, &error);
        }
        if (!workbook || (options.writePdf && !pdf)) {
            err << error << '\n';
            return 1;
        }
    }
    const RunSummary summary{project, computed->results, computed->placement, workbook, pdf};
    if (options.json) {
        out << JsonLine(ResultsJson(summary)) << '\n';
    } else {
        PrintResultsTable(summary, out);
    }
    return 0;
}

}  // namespace nubera::cli

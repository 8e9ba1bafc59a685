// A report template (any bytes) filled with a fixed run's results: the
// template is refused with a message, or a result workbook is published that
// our own reader opens again, sheet by sheet, and whose every part, read back
// from the file, is what other readers take (well-formed UTF-8 XML with its
// content type). No exception but the model's SpreadsheetError may leave the
// reader; nothing may be left but the result.

#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "engine/calculation.h"
#include "model/calc_results.h"
#include "printout/workbook_printout.h"
#include "projectfile/loaded_run_settings.h"
#include "projectfile/project_file.h"
#include "report/result_printout.h"
#include "report/result_workbook.h"
#include "spreadsheet/ooxml/open_workbook.h"
#include "spreadsheet/ooxml/package/checks/package_check.h"
#include "spreadsheet/ooxml/package/zip_archive.h"
#include "spreadsheet/spreadsheet_error.h"
#include "spreadsheet/workbook.h"
#include "tests/fuzz/fuzz_input_file.h"

namespace {

using nubera::fuzz::Require;

// Five blocks with a surcharge and lateral displacement: every sheet of the
// template is filled.
struct FixedRun {
    nubera::ProjectData project;
    nubera::CalcResults results;
    nubera::report::ReportContext context{"five-blocks-lateral.nbr", std::chrono::sys_seconds{},
                                          nubera::Placement::Automatic, ""};
    FixedRun() {
        std::string error;
        const auto loaded =
            nubera::LoadProject(NUBERA_SOURCE_DIR "/examples/five-blocks-lateral.nbr", &error);
        Require(loaded.has_value());
        nubera::ApplyLoadedProject(*loaded, project);
        project.poissonRatio = nubera::CheckLoadedPoisson(*loaded).ratio;
        Require(nubera::RunCalculation(project, results, nubera::LoadedPlacement(*loaded)) ==
                nubera::RunOutcome::Computed);
    }
};

// Results land in memory where the system offers it, so that thousands of
// runs a second do not wear a disk.
std::filesystem::path OutputFolder() {
    const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::filesystem::path folder = base / ("nubera-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FixedRun run;
    static const std::filesystem::path folder = OutputFolder();
    constexpr std::chrono::year_month_day kDay{std::chrono::year{2024}, std::chrono::May,
                                               std::chrono::day{1}};
    const nubera::fuzz::FuzzInputFile input(data, size);
    std::string error;
    const auto published = nubera::report::WriteResultWorkbook(
        run.project, run.results, run.context, input.Path(), folder, kDay, &error);
    if (!published) {
        Require(!error.empty());
        Require(std::filesystem::is_empty(folder));
        return 0;
    }
    // Every part as other readers will find it in the file.
    Require(nubera::sheet::PackageFault(nubera::sheet::ReadZipArchive(*published)).empty());
    // Read back by both readers: the model's, every sheet, and the printout's.
    const std::unique_ptr<nubera::sheet::Workbook> book = nubera::sheet::OpenWorkbook(*published);
    for (std::size_t i = 0; i < book->SheetNames().size(); ++i) book->SheetAt(i);
    const nubera::printout::WorkbookPrintout printout(
        *published, nubera::report::PrintedResultSheets(run.project.alsoLateral));
    Require(printout.PageCount() > 0);
    std::filesystem::remove(*published);
    Require(std::filesystem::is_empty(folder));
    return 0;
}

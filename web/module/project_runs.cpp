#include "web/module/project_runs.h"

#include <optional>

#include "cli/project_calculation.h"
#include "cli/results_json.h"
#include "files/file_bytes.h"
#include "report/result_names.h"
#include "report/result_workbook.h"
#include "text/path_text.h"
#include "web/module/result_view.h"
#include "web/module/scratch_file.h"

namespace nubera::web {
namespace {

// The report template the build put into the module's files (under an
// ASCII name: emscripten's packer takes no other).
const std::filesystem::path kTemplatePath = "/nubera/template.xltx";

// Read and checked once: every workbook after the first starts from it.
const report::ResultTemplate* LoadedTemplate(std::string* error) {
    static std::string failure;
    static const std::optional<report::ResultTemplate> loaded =
        report::ResultTemplate::Load(kTemplatePath, &failure);
    if (!loaded) *error = "計算結果ファイルを作成できませんでした: " + failure;
    return loaded ? &*loaded : nullptr;
}

Answer Refused(std::string message) {
    Answer answer;
    answer.refusal = std::move(message);
    return answer;
}

}  // namespace

Answer CalculateProject(std::string_view bytes, std::string_view fileName, bool withView) {
    const ScratchFile file(bytes, fileName);
    std::string error;
    const auto computed = cli::ComputeProject(file.Path(), std::nullopt, &error);
    if (!computed) return Refused(error);
    Answer answer;
    answer.json = cli::JsonLine(cli::ResultsJson(
        {computed->project, computed->results, computed->placement, std::nullopt, std::nullopt}));
    if (withView) answer.view = cli::JsonLine(ResultView(*computed));
    return answer;
}

Answer WorkbookOfProject(std::string_view bytes, std::string_view fileName) {
    const ScratchFile file(bytes, fileName);
    std::string error;
    const auto computed = cli::ComputeProject(file.Path(), std::nullopt, &error);
    if (!computed) return Refused(error);
    const report::ResultTemplate* source = LoadedTemplate(&error);
    if (!source) return Refused(error);
    std::optional<PendingFile> written = report::WriteUnnamedResultWorkbook(
        computed->project, computed->results, cli::RunContext(file.Path(), computed->placement),
        *source, ".", &error);
    if (!written) return Refused(error);
    const auto workbook = ReadFileBytes(written->Path());
    if (!workbook) return Refused("計算結果ファイルを読み込めません");
    Answer answer;
    answer.name = Utf8FromPath(report::ProjectResultFileName({}, file.Path().stem(), 0));
    answer.bytes = *workbook;
    return answer;
}

}  // namespace nubera::web

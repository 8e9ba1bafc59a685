#include "web/module/boring_runs.h"

#include <nlohmann/json.hpp>

#include "boring/boring_reader.h"
#include "cli/boring_project.h"
#include "cli/proposal_json.h"
#include "cli/proposal_table.h"
#include "cli/results_json.h"
#include "projectfile/project_file.h"
#include "text/path_text.h"
#include "web/module/scratch_file.h"

namespace nubera::web {
namespace {

std::string ViewOf(const BoringLog& log, const cli::ProposalTable& table) {
    return cli::JsonLine({{"lines", table.lines},
                          {"headers", table.headers},
                          {"rows", table.rows},
                          {"warnings", log.warnings}});
}

// The project file of the proposal, or why there is none, as the command
// line words it.
void AddProject(const BoringLog& log, const LayerProposal& proposal,
                const std::filesystem::path& file, const BoringRequest& request,
                BoringAnswer& answer) {
    std::string error;
    const auto project = cli::ProjectOfProposal(log, proposal, file, request.excavationWidth,
                                                request.leveeWidth, &error);
    const auto bytes = project ? ProjectFileContent(*project, &error) : std::nullopt;
    if (!bytes) {
        answer.projectRefusal = "プロジェクトを書き出せません: " + error;
        return;
    }
    answer.project = *bytes;
    answer.projectName = Utf8FromPath(WithProjectExtension(file.stem()));
}

}  // namespace

BoringAnswer ProposeFromBoring(std::string_view bytes, std::string_view fileName,
                               const BoringRequest& request) {
    const ScratchFile file(bytes, fileName);
    BoringAnswer answer;
    const auto log = ReadBoringLog(file.Path(), &answer.refusal);
    const auto proposal =
        log ? ProposeLayers(*log, request.proposal, &answer.refusal) : std::nullopt;
    if (!proposal) return answer;
    answer.json = cli::JsonLine(cli::ProposalJson(*log, *proposal));
    answer.view = ViewOf(*log, cli::MakeProposalTable(*log, *proposal, file.Path()));
    AddProject(*log, *proposal, file.Path(), request, answer);
    return answer;
}

}  // namespace nubera::web

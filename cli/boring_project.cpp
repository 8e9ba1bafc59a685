#include "cli/boring_project.h"

#include "boring/proposal_rows.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera::cli {
namespace {

// The widths the soil screen accepts.
constexpr double kMaxWidth = 100;

std::optional<std::string> WidthRefusal(const char* name, double width) {
    if (width > 0 && width <= kMaxWidth) return std::nullopt;
    return std::string(name) + "は 0 より大きく " + FormatNumber(kMaxWidth) +
           " 以下で指定してください。";
}

}  // namespace

std::optional<ProjectData> ProjectOfProposal(const BoringLog& log, const LayerProposal& proposal,
                                             const std::filesystem::path& file,
                                             double excavationWidth, double leveeWidth,
                                             std::string* error) {
    for (const auto& refusal : {ProposalUnfit(proposal), WidthRefusal("開削幅", excavationWidth),
                                WidthRefusal("堤体幅", leveeWidth)}) {
        if (refusal) {
            *error = *refusal;
            return std::nullopt;
        }
    }
    ProjectData project;
    project.excavationWidth = RoundHalf(excavationWidth);
    project.leveeWidth = RoundHalf(leveeWidth);
    project.soilLayers = BuildSoilLayerTable(SoilRowsOf(proposal));
    project.soilDerivation = DerivationOf(proposal, log, file);
    return project;
}

}  // namespace nubera::cli

#include "cli/boring_project.h"

#include "boring/proposal_rows.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera::cli {
namespace {

// The widths the soil screen accepts.
constexpr double kMaxWidth = 100;

// The width is written as the soil screen keeps it, to two decimals: one
// that rounds to 0 would be written as a width the run then refuses.
std::optional<std::string> WidthRefusal(const char* name, double width) {
    const double written = RoundHalf(width);
    if (written > 0 && written <= kMaxWidth) return std::nullopt;
    const std::string range = std::string(name) + "は 0 より大きく " + FormatNumber(kMaxWidth) +
                              " 以下で指定してください。";
    if (width > 0 && written == 0) {
        return std::string(name) + " " + FormatNumber(width) +
               " は小数第2位に丸めると 0 になります。" + range;
    }
    return range;
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

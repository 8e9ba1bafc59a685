#include "cli/boring_command.h"

#include <ostream>
#include <string>

#include "boring/boring_reader.h"
#include "boring/proposal_rows.h"
#include "cli/escaped_text.h"
#include "cli/proposal_json.h"
#include "cli/results_json.h"
#include "files/file_bytes.h"
#include "projectfile/project_file.h"
#include "text/number_text.h"
#include "text/path_text.h"
#include "text/round_half.h"

namespace nubera::cli {
namespace {

// The widths the soil screen accepts.
constexpr double kMaxWidth = 100;

void PrintProposal(const BoringLog& log, const LayerProposal& proposal,
                   const std::filesystem::path& file, std::ostream& out) {
    out << "ボーリング\t" << EscapedText(log.name) << '\t'
        << EscapedText(Utf8FromPath(file.filename())) << " (DTD " << EscapedText(log.dtdVersion)
        << ")\n";
    out << "孔口標高\t" << (log.groundLevel ? FormatFixed2(*log.groundLevel) + " m" : "-")
        << "\t総掘進長\t" << FormatFixed2(log.totalLength) << " m\n";
    out << "α\t" << FormatNumber(proposal.alpha) << "\t深度H\t" << FormatFixed2(proposal.cutDepth)
        << " m" << (proposal.merged ? "\t同じ土質の層をまとめた" : "") << '\n';
    out << "層\t土質名\t深度(m)\t層厚(m)\tN値\tN平均\tEs(kN/m2)\n";
    for (std::size_t i = 0; i < proposal.layers.size(); ++i) {
        const DerivedLayer& layer = proposal.layers[i];
        const auto modulus = DerivedModulus(proposal.alpha, layer);
        out << i + 1 << '\t' << EscapedText(layer.name) << '\t' << FormatFixed2(layer.top) << "～"
            << FormatFixed2(layer.bottom) << '\t' << FormatFixed2(layer.Thickness()) << '\t'
            << (layer.nValues.empty() ? "-" : NValuesText(layer.nValues)) << '\t'
            << (layer.meanN ? MeanNText(*layer.meanN) : "-") << '\t'
            << (modulus       ? FormatNumber(*modulus)
                : layer.meanN ? "N平均 0: Es を入力してください"
                              : "試験なし: Es を入力してください")
            << '\n';
    }
}

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

// The project of the log's layers, written as a new file. Nothing is written
// when the layers do not fit, or the file exists and replacing it was not
// asked for.
bool WriteProject(const BoringOptions& options, const BoringLog& log, const LayerProposal& proposal,
                  std::string* error) {
    const std::filesystem::path& path = *options.projectOut;
    if (auto refusal = ProposalUnfit(proposal)) {
        *error = *refusal;
        return false;
    }
    for (const auto& refusal : {WidthRefusal("開削幅", options.excavationWidth),
                                WidthRefusal("堤体幅", options.leveeWidth)}) {
        if (refusal) {
            *error = *refusal;
            return false;
        }
    }
    if (IsOtherThanRegularFile(path)) {
        *error = "「" + Utf8FromPath(path) + "」は通常のファイルではありません（置き換えません）";
        return false;
    }
    std::error_code ignored;
    if (!options.replace &&
        std::filesystem::exists(std::filesystem::symlink_status(path, ignored))) {
        *error = "「" + Utf8FromPath(path) + "」は既にあります。別の名前を指定してください。";
        return false;
    }
    ProjectData project;
    project.excavationWidth = RoundHalf(options.excavationWidth);
    project.leveeWidth = RoundHalf(options.leveeWidth);
    project.soilLayers = BuildSoilLayerTable(SoilRowsOf(proposal));
    project.soilDerivation = DerivationOf(proposal, log, options.file);
    // A file that takes the name meanwhile is kept unless replacing is asked for.
    return SaveProject(project, path, error,
                       options.replace ? ExistingFile::Replace : ExistingFile::Refuse);
}

}  // namespace

int RunBoring(const BoringOptions& options, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto log = ReadBoringLog(options.file, &error);
    const auto proposal = log ? ProposeLayers(*log, options.proposal, &error) : std::nullopt;
    if (!proposal) {
        err << error << '\n';
        return 1;
    }
    for (const std::string& warning : log->warnings) err << "警告: " << warning << '\n';
    if (options.projectOut && !WriteProject(options, *log, *proposal, &error)) {
        err << "プロジェクトを書き出せません: " << error << '\n';
        return 1;
    }
    if (options.json) {
        out << JsonLine(ProposalJson(*log, *proposal)) << '\n';
    } else {
        PrintProposal(*log, *proposal, options.file, out);
    }
    if (options.projectOut) {
        err << "プロジェクト「" << Utf8FromPath(*options.projectOut) << "」を書き出しました。\n";
    }
    return 0;
}

}  // namespace nubera::cli

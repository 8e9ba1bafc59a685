#include "cli/proposal_table.h"

#include "cli/escaped_text.h"
#include "text/number_text.h"
#include "text/path_text.h"

namespace nubera::cli {

ProposalTable MakeProposalTable(const BoringLog& log, const LayerProposal& proposal,
                                const std::filesystem::path& file) {
    ProposalTable table;
    table.lines.push_back({"ボーリング", EscapedText(log.name),
                           EscapedText(Utf8FromPath(file.filename())) + " (DTD " +
                               EscapedText(log.dtdVersion) + ")"});
    table.lines.push_back({"孔口標高",
                           log.groundLevel ? FormatFixed2(*log.groundLevel) + " m" : "-",
                           "総掘進長", FormatFixed2(log.totalLength) + " m"});
    table.lines.push_back(
        {"α", FormatNumber(proposal.alpha), "深度H", FormatFixed2(proposal.cutDepth) + " m"});
    if (proposal.merged) table.lines.back().push_back("同じ土質の層をまとめた");
    table.headers = {"層", "土質名", "深度(m)", "層厚(m)", "N値", "N平均", "Es(kN/m2)"};
    for (std::size_t i = 0; i < proposal.layers.size(); ++i) {
        const DerivedLayer& layer = proposal.layers[i];
        const auto modulus = DerivedModulus(proposal.alpha, layer);
        table.rows.push_back({std::to_string(i + 1), EscapedText(layer.name),
                              FormatFixed2(layer.top) + "～" + FormatFixed2(layer.bottom),
                              FormatFixed2(layer.Thickness()),
                              layer.nValues.empty() ? "-" : NValuesText(layer.nValues),
                              layer.meanN ? MeanNText(*layer.meanN) : "-",
                              modulus       ? FormatNumber(*modulus)
                              : layer.meanN ? "N平均 0: Es を入力してください"
                                            : "試験なし: Es を入力してください"});
    }
    return table;
}

}  // namespace nubera::cli

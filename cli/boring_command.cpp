#include "cli/boring_command.h"

#include <ostream>
#include <string>
#include <vector>

#include "boring/boring_reader.h"
#include "cli/boring_project.h"
#include "cli/proposal_json.h"
#include "cli/proposal_table.h"
#include "cli/results_json.h"
#include "files/file_bytes.h"
#include "projectfile/project_file.h"
#include "text/path_text.h"

namespace nubera::cli {
namespace {

// A line of cells, tab-separated.
void PrintLine(const std::vector<std::string>& cells, std::ostream& out) {
    for (std::size_t i = 0; i < cells.size(); ++i) out << (i ? "\t" : "") << cells[i];
    out << '\n';
}

void PrintProposal(const BoringLog& log, const LayerProposal& proposal,
                   const std::filesystem::path& file, std::ostream& out) {
    const ProposalTable table = MakeProposalTable(log, proposal, file);
    for (const auto& line : table.lines) PrintLine(line, out);
    PrintLine(table.headers, out);
    for (const auto& row : table.rows) PrintLine(row, out);
}

// The project of the log's layers, written as a new file. Nothing is written
// when the layers do not fit, or the file exists and replacing it was not
// asked for.
bool WriteProject(const BoringOptions& options, const BoringLog& log, const LayerProposal& proposal,
                  std::string* error) {
    const std::filesystem::path& path = *options.projectOut;
    const auto project = ProjectOfProposal(log, proposal, options.file, options.excavationWidth,
                                           options.leveeWidth, error);
    if (!project) return false;
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
    // A file that takes the name meanwhile is kept unless replacing is asked for.
    return SaveProject(*project, path, error,
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

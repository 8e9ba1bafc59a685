#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "files/atomic_file.h"
#include "projectfile/derivation_preamble.h"
#include "projectfile/description_preamble.h"
#include "projectfile/project_file.h"
#include "projectfile/project_file_format.h"
#include "text/cp932.h"
#include "text/number_text.h"
#include "text/text_lines.h"
#include "text/utf8_text.h"

namespace nubera {
namespace {

namespace pf = project_file;

// Text cells are written unchanged, so a comma or a line break inside one
// would change the fields and lines read back; such a text, like one the
// file's code page cannot hold, cannot be saved.
bool IsWritableText(const std::string& text) {
    return text.find_first_of(",\r\n") == std::string::npos && Utf8ToCp932(text).has_value();
}

// Composes the file's text (UTF-8) line by line. It remembers the first text
// cell that cannot be written instead of stopping, so composing stays simple
// and the caller refuses the whole save.
class ProjectTextComposer {
  public:
    const std::string& Text() const { return text_; }
    const std::optional<std::string>& UnwritableText() const { return unwritable_; }

    void Line(std::string_view line) {
        text_ += line;
        text_ += pf::kLineEnd;
    }

    void Section(std::string_view name, std::string_view value) {
        Line(name);
        Line(value);
        Line(pf::kEnd);
    }

    // One line per row, the columns joined by commas; missing cells are empty.
    void TableSection(std::string_view name, const CellTable& table) {
        Line(name);
        for (std::size_t row = 0; row < table.RowCount(); ++row) {
            for (std::size_t column = 0; column < table.ColumnCount(); ++column) {
                if (column > 0) text_ += pf::kSeparator;
                Cell(table.At(column, row), "");
            }
            text_ += pf::kLineEnd;
        }
        Line(pf::kEnd);
    }

    void PointsSection(const FocusPointList& points) {
        Line(pf::kFocusPoints);
        for (std::size_t slot = 0; slot < points.size(); ++slot) {
            if (slot > 0) text_ += pf::kSeparator;
            Cell(points[slot], pf::kMissingPoint);
        }
        text_ += pf::kLineEnd;
        Line(pf::kEnd);
    }

  private:
    void Cell(const nubera::Cell& cell, std::string_view missing) {
        if (const auto* number = std::get_if<double>(&cell.value)) {
            text_ += FormatNumber(*number);
        } else if (const auto* text = std::get_if<std::string>(&cell.value)) {
            if (!unwritable_ && !IsWritableText(*text)) unwritable_ = *text;
            text_ += *text;
        } else {
            text_ += missing;
        }
    }

    std::string text_;
    std::optional<std::string> unwritable_;
};

// The reader refuses a line longer than its bound, in the file's code page;
// a project holding one (a very long boring name, thousands of test depths
// in one layer's derivation) is refused here rather than saved as a file
// that cannot be opened again. Names the line by its number and its start.
std::optional<std::string> OverlongLine(std::string_view text) {
    constexpr std::size_t kQuotedCharacters = 16;
    int number = 0;
    for (const std::string_view line : SplitLines(text)) {
        ++number;
        // No character takes more bytes in code page 932 than in UTF-8.
        if (line.size() <= pf::kMaxLineBytes) continue;
        const auto bytes = Utf8ToCp932(line);
        if (!bytes || bytes->size() <= pf::kMaxLineBytes) continue;
        return std::to_string(number) + "行目「" +
               std::string(Utf8Prefix(line, kQuotedCharacters)) + "…」が長すぎます（" +
               std::to_string(bytes->size()) + " バイト、上限 " +
               std::to_string(pf::kMaxLineBytes) + " バイト）";
    }
    return std::nullopt;
}

// What the project keeps in the file's preamble, in the order written.
ProjectPreamble PreambleOf(const ProjectData& project) {
    ProjectPreamble preamble;
    AppendDescription(project.description, preamble);
    if (project.soilDerivation && project.soilLayers &&
        DescribesLayers(*project.soilDerivation, *project.soilLayers)) {
        AppendSoilDerivation(*project.soilDerivation, preamble);
    }
    return preamble;
}

ProjectTextComposer ComposeProjectText(const ProjectData& project) {
    ProjectTextComposer composer;
    composer.Line(ProjectHeaderLine());
    for (const PreambleEntry& entry : PreambleOf(project)) composer.Line(PreambleLine(entry));
    composer.Section(pf::kExcavationWidth, FormatNumber(project.excavationWidth));
    composer.Section(pf::kLeveeWidth, FormatNumber(project.leveeWidth));
    if (project.soilLayers) composer.TableSection(pf::kSoilLayers, *project.soilLayers);
    if (project.fillLoads) composer.TableSection(pf::kFillLoads, *project.fillLoads);
    if (project.surcharge) composer.TableSection(pf::kSurcharge, *project.surcharge);
    if (project.focusPoints) composer.PointsSection(*project.focusPoints);
    composer.Section(pf::kMode,
                     project.alsoLateral ? pf::kModeAlsoLateral : pf::kModeSettlementOnly);
    if (project.alsoLateral) {
        composer.Section(pf::kPoissonRatio, FormatNumber(project.poissonRatio));
    }
    return composer;
}

}  // namespace

std::optional<std::string> ProjectFileContent(const ProjectData& project, std::string* reason) {
    if (auto problem = DescriptionProblem(project.description)) {
        *reason = std::move(*problem);
        return std::nullopt;
    }
    const ProjectTextComposer composer = ComposeProjectText(project);
    if (const auto& text = composer.UnwritableText()) {
        *reason = "値「" + *text + "」はプロジェクトファイルに書けない文字を含んでいます";
        return std::nullopt;
    }
    if (auto overlong = OverlongLine(composer.Text())) {
        *reason = std::move(*overlong);
        return std::nullopt;
    }
    auto bytes = Utf8ToCp932(composer.Text());
    if (!bytes) *reason = "プロジェクトファイルに書けない文字があります";
    return bytes;
}

bool SaveProject(const ProjectData& project, const std::filesystem::path& path, std::string* error,
                 ExistingFile existing) {
    std::string reason;
    const auto bytes = ProjectFileContent(project, &reason);
    if (bytes && WriteFileAtomically(path, *bytes, &reason, existing)) return true;
    if (error) *error = "「" + path.string() + "」を保存できませんでした: " + reason;
    return false;
}

}  // namespace nubera

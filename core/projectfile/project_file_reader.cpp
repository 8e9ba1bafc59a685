#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/file_bytes.h"
#include "projectfile/derivation_preamble.h"
#include "projectfile/description_preamble.h"
#include "projectfile/project_file.h"
#include "projectfile/project_file_format.h"
#include "text/cp932.h"
#include "text/number_text.h"
#include "text/round_half.h"
#include "text/text_lines.h"

namespace nubera {
namespace {

namespace pf = project_file;

enum class Section {
    None,
    ExcavationWidth,
    LeveeWidth,
    SoilLayers,
    FillLoads,
    Surcharge,
    FocusPoints,
    Mode,
    PoissonRatio,
};

std::optional<Section> SectionOf(std::string_view line) {
    static constexpr std::pair<std::string_view, Section> kSections[] = {
        {pf::kExcavationWidth, Section::ExcavationWidth},
        {pf::kLeveeWidth, Section::LeveeWidth},
        {pf::kSoilLayers, Section::SoilLayers},
        {pf::kFillLoads, Section::FillLoads},
        {pf::kSurcharge, Section::Surcharge},
        {pf::kFocusPoints, Section::FocusPoints},
        {pf::kMode, Section::Mode},
        {pf::kPoissonRatio, Section::PoissonRatio},
    };
    for (const auto& [text, section] : kSections) {
        if (line == text) return section;
    }
    return std::nullopt;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = line.find(pf::kSeparator);
        fields.push_back(line.substr(0, comma));
        if (comma == std::string_view::npos) return fields;
        line.remove_prefix(comma + 1);
    }
}

// A value by the number-prefix rule. A number too large for a double (say
// "1E999") is refused rather than let infinity into the project.
std::optional<double> ReadNumber(std::string_view text) {
    const double value = ReadNumberPrefix(text);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

// The kept Poisson text as the Poisson box shows it: a number (as a whole,
// by the file's number rule) rounded as the box rounds, in the "0.00" format.
// Any other text stays as the file has it, for the check before a run or save
// to refuse as an invalid value (read by its number prefix it would become a
// ratio nobody wrote, "abc" turning into 0.00). An empty text (no section)
// stays empty.
std::optional<std::string> PoissonBoxText(const std::string& kept) {
    if (!IsWholeNumber(kept)) return kept;
    const auto value = ReadNumber(kept);
    if (!value) return std::nullopt;
    return FormatFixed2(RoundHalf(*value));
}

std::optional<CellTable> PresentWhenFirstCellSet(const std::optional<CellTable>& table) {
    if (!table || table->At(0, 0).IsMissing()) return std::nullopt;
    return table;
}

// Reads a project file line by line. A section line opens a section (the
// previous one must have been closed by "!END"); the other lines are values
// of the current section, the n-th line after the section line going to row
// n. Lines that are neither are compared exactly, without trimming.
class ProjectFileReader {
  public:
    explicit ProjectFileReader(std::string header) : header_(std::move(header)) {}

    // Takes the next line; false when the file must be refused.
    bool ReadLine(std::string_view line);

    // The project read, once every line was taken; nothing when the file must
    // be refused (no valid mode).
    std::optional<LoadedProject> Finish() const;

  private:
    bool ReadValueLine(std::string_view line);
    bool ReadTableRow(std::optional<CellTable>& table, std::size_t columns, std::string_view line);
    bool ReadPoints(std::string_view line);
    bool ReadWidth(double& width, std::string_view line);
    bool ReadPreambleLine(std::string_view line);

    std::string header_;
    Section section_ = Section::None;
    bool closed_ = true;
    // The row the next value line goes to; it counts every line, so "!END"
    // and stray lines take up rows too.
    std::ptrdiff_t lineCounter_ = 0;
    // The widths and tables as read; Finish drops the tables left unset.
    LoadedProject read_;
    std::string modeText_;
    std::string poissonText_;
    // The "key=value" lines of no section, in their order.
    ProjectPreamble preamble_;
};

bool ProjectFileReader::ReadLine(std::string_view line) {
    if (line == header_) {
        section_ = Section::None;
        lineCounter_ = -1;
    } else if (const auto section = SectionOf(line)) {
        if (!closed_) return false;
        section_ = *section;
        lineCounter_ = -1;
        closed_ = false;
    } else if (line == pf::kEnd) {
        closed_ = true;
    } else if (!ReadValueLine(line)) {
        return false;
    }
    ++lineCounter_;
    return true;
}

bool ProjectFileReader::ReadValueLine(std::string_view line) {
    switch (section_) {
        case Section::None:
            return ReadPreambleLine(line);
        case Section::ExcavationWidth:
            return ReadWidth(read_.excavationWidth, line);
        case Section::LeveeWidth:
            return ReadWidth(read_.leveeWidth, line);
        case Section::SoilLayers:
            return ReadTableRow(read_.soilLayers, soil_column::kCount, line);
        case Section::FillLoads:
            return ReadTableRow(read_.fillLoads, fill_column::kCount, line);
        case Section::Surcharge:
            return ReadTableRow(read_.surcharge, surcharge_column::kCount, line);
        case Section::FocusPoints:
            return ReadPoints(line);
        case Section::Mode:
            modeText_ = line;
            return true;
        case Section::PoissonRatio:
            poissonText_ = line;
            return true;
    }
    return false;
}

// A line of no section is skipped, as the format has always done, unless it
// holds a descriptive entry.
bool ProjectFileReader::ReadPreambleLine(std::string_view line) {
    auto entry = ParsePreambleLine(line);
    if (!entry) return true;
    if (preamble_.size() >= pf::kMaxPreambleLines) return false;
    preamble_.push_back(std::move(*entry));
    return true;
}

bool ProjectFileReader::ReadWidth(double& width, std::string_view line) {
    const auto value = ReadNumber(line);
    if (value) width = *value;
    return value.has_value();
}

// Part j of the line goes into column j of the row; cells beyond the last
// part keep what they hold (missing in a new row).
bool ProjectFileReader::ReadTableRow(std::optional<CellTable>& table, std::size_t columns,
                                     std::string_view line) {
    const auto fields = SplitFields(line);
    if (fields.size() > columns) return false;
    if (!table) table.emplace(columns);
    const auto row = static_cast<std::size_t>(lineCounter_);
    if (row >= pf::kMaxTableRows) return false;
    if (table->RowCount() <= row) table->ResizeRows(row + 1);
    for (std::size_t column = 0; column < fields.size(); ++column) {
        const auto value = ReadNumber(fields[column]);
        if (!value) return false;
        table->At(column, row) = Cell::Number(*value);
    }
    return true;
}

bool ProjectFileReader::ReadPoints(std::string_view line) {
    const auto fields = SplitFields(line);
    if (fields.size() > kPointCount) return false;
    if (!read_.focusPoints) read_.focusPoints.emplace();
    for (std::size_t slot = 0; slot < fields.size(); ++slot) {
        Cell& cell = (*read_.focusPoints)[slot];
        if (fields[slot] == pf::kMissingPoint) {
            cell = Cell::Missing();
            continue;
        }
        const auto value = ReadNumber(fields[slot]);
        if (!value) return false;
        cell = Cell::Number(*value);
    }
    return true;
}

std::optional<LoadedProject> ProjectFileReader::Finish() const {
    LoadedProject loaded = read_;
    if (modeText_ == pf::kModeAlsoLateral) {
        loaded.alsoLateral = true;
    } else if (modeText_ != pf::kModeSettlementOnly) {
        return std::nullopt;
    }
    auto poissonText = PoissonBoxText(poissonText_);
    if (!poissonText) return std::nullopt;
    loaded.poissonText = std::move(*poissonText);
    // A description the entry rules refuse would print or save as something
    // nobody typed; the file is refused rather than altered.
    loaded.description = DescriptionFromPreamble(preamble_);
    if (DescriptionProblem(loaded.description)) return std::nullopt;

    loaded.soilLayers = PresentWhenFirstCellSet(read_.soilLayers);
    // Layers edited by a program that knows nothing of the derivation are no
    // longer the log's: the derivation is then dropped, never shown for them.
    if (auto derivation = SoilDerivationFromPreamble(preamble_);
        derivation && loaded.soilLayers && DescribesLayers(*derivation, *loaded.soilLayers)) {
        loaded.soilDerivation = std::move(derivation);
    }
    loaded.fillLoads = PresentWhenFirstCellSet(read_.fillLoads);
    loaded.surcharge = PresentWhenFirstCellSet(read_.surcharge);
    if (loaded.focusPoints && (*loaded.focusPoints)[0].IsMissing()) loaded.focusPoints.reset();
    loaded.manualPointsLoaded = loaded.focusPoints.has_value();
    return loaded;
}

// A project file never holds a NUL byte or a line anywhere near the limit;
// either means the file is something else.
bool HasProjectFileShape(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) return false;
    for (const std::string_view line : SplitLines(bytes)) {
        if (line.size() > pf::kMaxLineBytes) return false;
    }
    return true;
}

std::optional<LoadedProject> ReadProjectFile(const std::filesystem::path& path) {
    const auto bytes = ReadFileBytes(path, pf::kMaxFileBytes + 1);
    if (!bytes || bytes->size() > pf::kMaxFileBytes || !HasProjectFileShape(*bytes)) {
        return std::nullopt;
    }
    const auto text = Cp932ToUtf8(*bytes);
    if (!text) return std::nullopt;
    ProjectFileReader reader(ProjectHeaderLine());
    for (const std::string_view line : SplitLines(*text)) {
        if (!reader.ReadLine(line)) return std::nullopt;
    }
    return reader.Finish();
}

}  // namespace

std::optional<LoadedProject> LoadProject(const std::filesystem::path& path, std::string* error) {
    auto loaded = ReadProjectFile(path);
    if (!loaded && error) *error = kProjectFileBroken;
    return loaded;
}

void ApplyLoadedProject(const LoadedProject& loaded, ProjectData& project) {
    project.excavationWidth = loaded.excavationWidth;
    project.leveeWidth = loaded.leveeWidth;
    project.soilLayers = loaded.soilLayers;
    project.fillLoads = loaded.fillLoads;
    project.surcharge = loaded.surcharge;
    project.focusPoints = loaded.focusPoints;
    project.alsoLateral = loaded.alsoLateral;
    project.description = loaded.description;
    project.soilDerivation = loaded.soilDerivation;
}

}  // namespace nubera

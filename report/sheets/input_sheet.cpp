#include "report/sheets/input_sheet.h"

#include <algorithm>

#include "model/constants.h"
#include "model/point_name.h"
#include "report/figures/ground_figure.h"
#include "report/sheets/paged_sections.h"
#include "report/sheets/result_sheet.h"
#include "report/sheets/warning_marks.h"
#include "screenrules/fill_load_rules.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera::report {
namespace {

// A table of the model: its heading, whose last row is the header row of
// the columns, and the row each entry is pasted from.
struct TableRows {
    ModelRows heading;
    ModelRows row;
    ModelRows Header() const { return {heading.last, heading.last}; }
};

constexpr ModelRows kRunRows{1, 11};
constexpr TableRows kSoilTable{{12, 13}, {14, 14}};
constexpr ModelRows kModulusRows{15, 21};
constexpr TableRows kFillTable{{22, 23}, {24, 24}};
constexpr TableRows kSurchargeTable{{25, 27}, {28, 28}};
constexpr ModelRows kNoSurcharge{29, 30};
constexpr TableRows kPointsTable{{31, 33}, {34, 34}};
constexpr ModelRows kDerivationHeading{35, 36};
constexpr ModelRows kDerivationLine{37, 37};
constexpr TableRows kDerivationTable{{38, 38}, {39, 39}};
constexpr ModelRows kDerivationEnd{40, 40};  // the space before the fill loads
// A line of text from column C across the page, as the notes under Em's
// formula, and the space after the run's lines.
constexpr ModelRows kNoteLine{20, 20};
constexpr ModelRows kRunEnd{11, 11};
// The figure of ground and loads: a space, its heading, then the rows its
// drawing stands on (their heights add up to the figure's).
constexpr ModelRows kFigureRows{41, 62};
constexpr int kFigureBodyRow = 2;
constexpr int kDerivationLines = 3;  // the file, the boring, how Es was derived

// A heading never ends a page without this many rows of its table.
constexpr std::size_t kRowsKeptWithHeading = 2;

// The run's lines: a name in column B, the value in column E.
constexpr int kColName = 2;   // B: also each table row's name (No, q1, qX, ①)
constexpr int kColValue = 5;  // E
constexpr int kRowProgram = 3;
constexpr int kRowProject = 4;
constexpr int kRowRunTime = 5;
constexpr int kRowMode = 6;
constexpr int kRowPoisson = 7;
constexpr int kRowPlacement = 8;
constexpr int kRowExcavationWidth = 9;
constexpr int kRowLeveeWidth = 10;

// Em's value and its basis, below the soil table (rows after the section's first).
constexpr int kModulusValueRow = 1;
constexpr int kModulusBasisRow = 2;

// Table columns: the soil values each over two merged columns from C, the
// fill and surcharge columns one each from C in the tables' own order.
constexpr int kColFirstValue = 3;  // C
constexpr int kSoilColumnSpan = 2;
constexpr int kColPointPosition = 3;  // C
constexpr int kColNote = 3;           // C
// The derivation table: name, depth range, N-values, N̄ and Es.
constexpr int kColDivisionName = 3;  // C
constexpr int kColDepthRange = 6;    // F
constexpr int kColNValues = 8;       // H
constexpr int kColMeanN = 12;        // L
constexpr int kColDerivedEs = 13;    // M

// The texts of the main window's options.
std::string ModeText(bool alsoLateral) {
    return alsoLateral ? "側方変位量の計算も行う" : "即時沈下量のみ計算する";
}

// Automatic placement of a project that holds manual points says that those
// points were not used, so nobody looks for them in the results.
std::string PlacementText(Placement placement, const ProjectData& project) {
    if (placement == Placement::Manual) return "手動設定";
    return project.focusPoints ? "自動設定（ファイルの手動着目点は使っていません）" : "自動設定";
}

// Poisson's ratio enters only the lateral displacement; a settlement-only run
// does not print the value the box happened to hold.
void WritePoisson(sheet::Worksheet& sheet, const ProjectData& project, const WarningMarks& marks) {
    if (!project.alsoLateral) {
        sheet.SetText(kRowPoisson, kColValue, "－（側方変位量を計算しないため用いない）");
        return;
    }
    marks.Put(sheet, kRowPoisson, kColValue, Cell::Number(project.poissonRatio),
              ValueSource::PoissonRatio);
}

std::string MetresText(double value) {
    return FormatFixed2(RoundHalf(value)) + " m";
}

void WriteRun(sheet::Worksheet& sheet, const ProjectData& project, const ReportContext& context,
              const WarningMarks& marks) {
    sheet.SetText(kRowProgram, kColValue, ProgramText());
    sheet.SetText(kRowProject, kColValue, ProjectNameText(context));
    sheet.SetText(kRowRunTime, kColValue, RunTimeText(context));
    sheet.SetText(kRowMode, kColValue, ModeText(project.alsoLateral));
    WritePoisson(sheet, project, marks);
    sheet.SetText(kRowPlacement, kColValue, PlacementText(context.placement, project));
    marks.Put(sheet, kRowExcavationWidth, kColValue, Cell::Number(project.excavationWidth),
              ValueSource::ExcavationWidth);
    marks.Put(sheet, kRowLeveeWidth, kColValue, Cell::Number(project.leveeWidth),
              ValueSource::LeveeWidth);
}

// Below the run's lines, what the run warns of each marked value, so that
// the warnings are read before the values in the tables below.
void WriteLegend(PagedSectionWriter& writer, sheet::Worksheet& sheet, const WarningMarks& marks) {
    const std::vector<std::string> lines = marks.Legend();
    if (lines.empty()) return;
    for (const std::string& line : lines) sheet.SetText(writer.Paste(kNoteLine), kColNote, line);
    writer.Paste(kRunEnd);
}

// Pastes the heading of a table of `rows` rows, on one page with its first rows.
void PasteHeading(PagedSectionWriter& writer, const TableRows& model, std::size_t rows) {
    writer.Paste(model.heading, static_cast<double>(std::min(rows, kRowsKeptWithHeading)) *
                                    writer.Height(model.row));
}

std::string LayerNumber(std::size_t row) {
    return std::to_string(row + 1);
}

std::string SurchargeName(std::size_t) {
    return kSurchargeLabel;
}

// How a table of the project is laid out on the sheet: its model rows, each
// row named by `name`, its first `columns` columns from column C on, `span`
// sheet columns apart; `source` says where its values are kept.
struct InputTable {
    TableRows model;
    std::size_t columns;
    int span;
    std::string (*name)(std::size_t);
    ValueSource source;
};

constexpr InputTable kSoilInput{kSoilTable, soil_column::kCount, kSoilColumnSpan, LayerNumber,
                                ValueSource::SoilLayer};
constexpr InputTable kFillInput{kFillTable, fill_column::kCount, 1, FillLoadLabel,
                                ValueSource::FillLoad};
constexpr InputTable kSurchargeInput{kSurchargeTable, surcharge_column::kCount, 1, SurchargeName,
                                     ValueSource::Surcharge};

// Writes the table under its heading.
void WriteTable(PagedSectionWriter& writer, sheet::Worksheet& sheet, const InputTable& layout,
                const CellTable& table, const WarningMarks& marks) {
    PasteHeading(writer, layout.model, table.RowCount());
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        const int at = writer.PasteTableRow(layout.model.row, layout.model.Header());
        sheet.SetText(at, kColName, layout.name(row));
        for (std::size_t column = 0; column < layout.columns; ++column) {
            marks.Put(sheet, at, kColFirstValue + layout.span * static_cast<int>(column),
                      table.At(column, row), layout.source, column, row);
        }
    }
}

void WriteSoil(PagedSectionWriter& writer, sheet::Worksheet& sheet, const ProjectData& project,
               const CalcResults& results, const WarningMarks& marks) {
    const SoilLayerTable& soil = *project.soilLayers;
    WriteTable(writer, sheet, kSoilInput, soil, marks);
    const int modulus = writer.Paste(kModulusRows);
    sheet.SetNumber(modulus + kModulusValueRow, kColValue, results.equivalentModulus);
    const double depth =
        soil.RowCount() ? soil.Number(soil_column::kDepth, soil.RowCount() - 1) : 0.0;
    sheet.SetText(modulus + kModulusBasisRow, kColValue,
                  "θ = " + FormatNumber(kSpreadAngleDegrees) +
                      "°（荷重分散角）、B = " + MetresText(project.excavationWidth) +
                      "、L = " + MetresText(project.leveeWidth) + "、H = " + MetresText(depth));
}

void WriteDerivationLine(PagedSectionWriter& writer, sheet::Worksheet& sheet,
                         const std::string& name, const std::string& value) {
    const int at = writer.Paste(kDerivationLine);
    sheet.SetText(at, kColName, name);
    sheet.SetText(at, kColValue, value);
}

// Where the layers came from, when they were read off a boring log and are
// still the layers it describes: each Es traced back to its N-values.
void WriteDerivation(PagedSectionWriter& writer, sheet::Worksheet& sheet,
                     const SoilDerivation& derivation, const SoilLayerTable& soil,
                     const WarningMarks& marks) {
    writer.Paste(kDerivationHeading, kDerivationLines * writer.Height(kDerivationLine));
    WriteDerivationLine(writer, sheet, "ボーリングデータ", derivation.fileName);
    WriteDerivationLine(writer, sheet, "ボーリング名", derivation.boringName);
    WriteDerivationLine(writer, sheet, "Es の算定",
                        "Es = α × N平均、α = " + FormatNumber(derivation.alpha) +
                            "（N値は30cmに換算、上限" + FormatNumber(kMaxConvertedN) + "）");
    PasteHeading(writer, kDerivationTable, derivation.layers.size());
    for (std::size_t row = 0; row < derivation.layers.size(); ++row) {
        const DerivedLayer& layer = derivation.layers[row];
        const double modulus = soil.Number(soil_column::kModulus, row);
        const int at = writer.PasteTableRow(kDerivationTable.row, kDerivationTable.Header());
        sheet.SetText(at, kColName, LayerNumber(row));
        sheet.SetText(at, kColDivisionName, layer.name);
        sheet.SetText(at, kColDepthRange,
                      FormatFixed2(layer.top) + "～" + FormatFixed2(layer.bottom));
        sheet.SetText(at, kColNValues,
                      layer.nValues.empty() ? "試験なし" : marks.NValuesText(row, layer.nValues));
        sheet.SetText(at, kColMeanN, layer.meanN ? MeanNText(*layer.meanN) : "-");
        sheet.SetText(
            at, kColDerivedEs,
            FormatNumber(modulus) + (ModulusTyped(derivation, row, modulus) ? " 手入力" : ""));
    }
    writer.Paste(kDerivationEnd);
}

void WritePoints(PagedSectionWriter& writer, sheet::Worksheet& sheet,
                 const FocusPointList& points) {
    PasteHeading(writer, kPointsTable,
                 static_cast<std::size_t>(std::count_if(
                     points.begin(), points.end(), [](const Cell& x) { return !x.IsMissing(); })));
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (points[k].IsMissing()) continue;
        const int at = writer.PasteTableRow(kPointsTable.row, kPointsTable.Header());
        sheet.SetText(at, kColName, CircledNumber(k + 1));
        PutValue(sheet, at, kColPointPosition, points[k]);
    }
}

// The figure below the tables, on one page with its heading.
void WriteFigure(PagedSectionWriter& writer, sheet::Worksheet& sheet, const ProjectData& project,
                 const CalcResults& results) {
    if (LayOutGroundFigure(project, results, 0).scale == 0) return;
    const int at = writer.Paste(kFigureRows);
    double top = 0;
    for (int row = 1; row < at + kFigureBodyRow; ++row) top += sheet.RowHeight(row);
    DrawGroundFigure(sheet, LayOutGroundFigure(project, results, top));
}

}  // namespace

void WriteInputSheet(sheet::Workbook& book, const ProjectData& project, const CalcResults& results,
                     const ReportContext& context) {
    const sheet::Worksheet& model = book.Sheet(kInputModelSheet);
    sheet::Worksheet& sheet = book.Sheet(kInputSheet);
    PagedSectionWriter writer(sheet, model);
    const WarningMarks marks(project);
    writer.Paste(kRunRows);
    WriteRun(sheet, project, context, marks);
    WriteLegend(writer, sheet, marks);
    if (project.soilLayers) WriteSoil(writer, sheet, project, results, marks);
    if (const SoilDerivation* derivation = DescribingDerivation(project)) {
        WriteDerivation(writer, sheet, *derivation, *project.soilLayers, marks);
    }
    WriteTable(writer, sheet, kFillInput, *project.fillLoads, marks);
    if (project.surcharge) {
        WriteTable(writer, sheet, kSurchargeInput, *project.surcharge, marks);
    } else {
        writer.Paste(kNoSurcharge);
    }
    if (context.placement == Placement::Manual && project.focusPoints) {
        WritePoints(writer, sheet, *project.focusPoints);
    }
    WriteFigure(writer, sheet, project, results);
}

}  // namespace nubera::report

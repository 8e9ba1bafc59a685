#include "report/sheets/input_sheet.h"

#include <algorithm>

#include "model/constants.h"
#include "model/point_name.h"
#include "report/figures/ground_figure.h"
#include "report/sheets/paged_sections.h"
#include "report/sheets/result_sheet.h"
#include "screenrules/fill_load_rules.h"
#include "screenrules/poisson_ratio.h"
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
// The figure of ground and loads: a space, its heading, then the rows its
// drawing stands on (their heights add up to the figure's).
constexpr ModelRows kFigureRows{41, 62};
constexpr int kFigureBodyRow = 2;
constexpr int kDerivationLines = 3;  // the file, the boring, how Es was derived

// A heading never ends a page without this many rows of its table.
constexpr std::size_t kRowsKeptWithHeading = 2;

// The run's lines: a name in column B, the value in column E.
constexpr int kColName = 2;       // B: also each table row's name (No, q1, qX, ①)
constexpr int kColValue = 5;      // E
constexpr int kColValueNote = 6;  // F: a warning beside a value
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
void WritePoisson(sheet::Worksheet& sheet, const ProjectData& project) {
    if (!project.alsoLateral) {
        sheet.SetText(kRowPoisson, kColValue, "－（側方変位量を計算しないため用いない）");
        return;
    }
    sheet.SetNumber(kRowPoisson, kColValue, project.poissonRatio);
    if (const std::string mark = PoissonRatioMark(project.alsoLateral, project.poissonRatio);
        !mark.empty()) {
        sheet.SetText(kRowPoisson, kColValueNote, mark);
    }
}

std::string MetresText(double value) {
    return FormatFixed2(RoundHalf(value)) + " m";
}

void WriteRun(sheet::Worksheet& sheet, const ProjectData& project, const ReportContext& context) {
    sheet.SetText(kRowProgram, kColValue, ProgramText());
    sheet.SetText(kRowProject, kColValue, ProjectNameText(context));
    sheet.SetText(kRowRunTime, kColValue, RunTimeText(context));
    sheet.SetText(kRowMode, kColValue, ModeText(project.alsoLateral));
    WritePoisson(sheet, project);
    sheet.SetText(kRowPlacement, kColValue, PlacementText(context.placement, project));
    sheet.SetNumber(kRowExcavationWidth, kColValue, project.excavationWidth);
    sheet.SetNumber(kRowLeveeWidth, kColValue, project.leveeWidth);
}

// Pastes the heading of a table of `rows` rows, on one page with its first rows.
void PasteHeading(PagedSectionWriter& writer, const TableRows& model, std::size_t rows) {
    writer.Paste(model.heading, static_cast<double>(std::min(rows, kRowsKeptWithHeading)) *
                                    writer.Height(model.row));
}

// Writes the table under its heading, each row named by `name`, its columns
// `columns` of the table from column C on, `span` sheet columns apart.
void WriteTable(PagedSectionWriter& writer, sheet::Worksheet& sheet, const TableRows& model,
                const CellTable& table, std::size_t columns, int span,
                std::string (*name)(std::size_t)) {
    PasteHeading(writer, model, table.RowCount());
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        const int at = writer.PasteTableRow(model.row, model.Header());
        sheet.SetText(at, kColName, name(row));
        for (std::size_t column = 0; column < columns; ++column) {
            PutValue(sheet, at, kColFirstValue + span * static_cast<int>(column),
                     table.At(column, row));
        }
    }
}

std::string LayerNumber(std::size_t row) {
    return std::to_string(row + 1);
}

std::string SurchargeName(std::size_t) {
    return kSurchargeLabel;
}

void WriteSoil(PagedSectionWriter& writer, sheet::Worksheet& sheet, const ProjectData& project,
               const CalcResults& results) {
    const SoilLayerTable& soil = *project.soilLayers;
    WriteTable(writer, sheet, kSoilTable, soil, soil_column::kCount, kSoilColumnSpan, LayerNumber);
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
                     const SoilDerivation& derivation, const SoilLayerTable& soil) {
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
                      layer.nValues.empty() ? "試験なし" : NValuesText(layer.nValues));
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
    writer.Paste(kRunRows);
    WriteRun(sheet, project, context);
    if (project.soilLayers) WriteSoil(writer, sheet, project, results);
    if (project.soilLayers && project.soilDerivation &&
        DescribesLayers(*project.soilDerivation, *project.soilLayers)) {
        WriteDerivation(writer, sheet, *project.soilDerivation, *project.soilLayers);
    }
    WriteTable(writer, sheet, kFillTable, *project.fillLoads, fill_column::kCount, 1,
               FillLoadLabel);
    if (project.surcharge) {
        WriteTable(writer, sheet, kSurchargeTable, *project.surcharge, surcharge_column::kCount, 1,
                   SurchargeName);
    } else {
        writer.Paste(kNoSurcharge);
    }
    if (context.placement == Placement::Manual && project.focusPoints) {
        WritePoints(writer, sheet, *project.focusPoints);
    }
    WriteFigure(writer, sheet, project, results);
}

}  // namespace nubera::report

#include "report/input_sheet.h"

#include "model/constants.h"
#include "model/point_name.h"
#include "report/model_sections.h"
#include "report/result_sheet.h"
#include "screenrules/fill_load_rules.h"
#include "screenrules/poisson_ratio.h"
#include "text/number_text.h"
#include "text/round_half.h"

namespace nubera {
namespace {

constexpr ModelRows kRunRows{1, 11};
constexpr ModelRows kSoilHeading{12, 13};
constexpr ModelRows kSoilRow{14, 14};
constexpr ModelRows kModulusRows{15, 20};
constexpr ModelRows kFillHeading{21, 22};
constexpr ModelRows kFillRow{23, 23};
constexpr ModelRows kSurchargeHeading{24, 26};
constexpr ModelRows kSurchargeRow{27, 27};
constexpr ModelRows kNoSurcharge{28, 29};
constexpr ModelRows kPointsHeading{30, 32};
constexpr ModelRows kPointRow{33, 33};
constexpr ModelRows kDerivationHeading{34, 35};
constexpr ModelRows kDerivationLine{36, 36};
constexpr ModelRows kDerivationTableHead{37, 37};
constexpr ModelRows kDerivationRow{38, 38};

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

// Writes the table's rows from `model` row `rowModel`, each named by `name`,
// its columns `columns` of the table from column `firstColumn` on, `span`
// sheet columns apart.
void WriteTable(SectionWriter& writer, sheet::Worksheet& sheet, ModelRows rowModel,
                const CellTable& table, std::size_t columns, int span,
                std::string (*name)(std::size_t)) {
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        const int at = writer.Paste(rowModel);
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

void WriteSoil(SectionWriter& writer, sheet::Worksheet& sheet, const ProjectData& project,
               const CalcResults& results) {
    writer.Paste(kSoilHeading);
    const SoilLayerTable& soil = *project.soilLayers;
    WriteTable(writer, sheet, kSoilRow, soil, soil_column::kCount, kSoilColumnSpan, LayerNumber);
    const int modulus = writer.Paste(kModulusRows);
    sheet.SetNumber(modulus + kModulusValueRow, kColValue, results.equivalentModulus);
    const double depth =
        soil.RowCount() ? soil.Number(soil_column::kDepth, soil.RowCount() - 1) : 0.0;
    sheet.SetText(modulus + kModulusBasisRow, kColValue,
                  "θ = " + FormatNumber(kSpreadAngleDegrees) +
                      "°（荷重分散角）、B = 開削幅 = " + MetresText(project.excavationWidth) +
                      "、L = 堤体幅 = " + MetresText(project.leveeWidth) +
                      "、H = " + MetresText(depth));
}

void WriteDerivationLine(SectionWriter& writer, sheet::Worksheet& sheet, const std::string& name,
                         const std::string& value) {
    const int at = writer.Paste(kDerivationLine);
    sheet.SetText(at, kColName, name);
    sheet.SetText(at, kColValue, value);
}

// Where the layers came from, when they were read off a boring log and are
// still the layers it describes: each Es traced back to its N-values.
void WriteDerivation(SectionWriter& writer, sheet::Worksheet& sheet,
                     const SoilDerivation& derivation, const SoilLayerTable& soil) {
    writer.Paste(kDerivationHeading);
    WriteDerivationLine(writer, sheet, "ボーリングデータ", derivation.fileName);
    WriteDerivationLine(writer, sheet, "ボーリング名", derivation.boringName);
    WriteDerivationLine(writer, sheet, "Es の算定",
                        "Es = α × N平均、α = " + FormatNumber(derivation.alpha) +
                            "（N値は30cmに換算、上限" + FormatNumber(kMaxConvertedN) + "）");
    writer.Paste(kDerivationTableHead);
    for (std::size_t row = 0; row < derivation.layers.size(); ++row) {
        const DerivedLayer& layer = derivation.layers[row];
        const double modulus = soil.Number(soil_column::kModulus, row);
        const int at = writer.Paste(kDerivationRow);
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
}

void WritePoints(SectionWriter& writer, sheet::Worksheet& sheet, const FocusPointList& points) {
    writer.Paste(kPointsHeading);
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (points[k].IsMissing()) continue;
        const int at = writer.Paste(kPointRow);
        sheet.SetText(at, kColName, CircledNumber(k + 1));
        PutValue(sheet, at, kColPointPosition, points[k]);
    }
}

}  // namespace

void WriteInputSheet(sheet::Workbook& book, const ProjectData& project, const CalcResults& results,
                     const ReportContext& context) {
    const sheet::Worksheet& model = book.Sheet(kInputModelSheet);
    sheet::Worksheet& sheet = book.Sheet(kInputSheet);
    SectionWriter writer(sheet, model);
    writer.Paste(kRunRows);
    WriteRun(sheet, project, context);
    if (project.soilLayers) WriteSoil(writer, sheet, project, results);
    if (project.soilLayers && project.soilDerivation &&
        DescribesLayers(*project.soilDerivation, *project.soilLayers)) {
        WriteDerivation(writer, sheet, *project.soilDerivation, *project.soilLayers);
    }
    writer.Paste(kFillHeading);
    WriteTable(writer, sheet, kFillRow, *project.fillLoads, fill_column::kCount, 1, FillLoadLabel);
    if (project.surcharge) {
        writer.Paste(kSurchargeHeading);
        WriteTable(writer, sheet, kSurchargeRow, *project.surcharge, surcharge_column::kCount, 1,
                   SurchargeName);
    } else {
        writer.Paste(kNoSurcharge);
    }
    if (context.placement == Placement::Manual && project.focusPoints) {
        WritePoints(writer, sheet, *project.focusPoints);
    }
}

}  // namespace nubera

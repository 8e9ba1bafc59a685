#include "report/figures/section_diagram.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "report/text/report_text.h"
#include "screenrules/section_figure.h"
#include "spreadsheet/spreadsheet_error.h"
#include "tests/report/mock_worksheet.h"

namespace nubera::report {
namespace {

using test::MockWorksheet;
using testing::_;

// One fill row: total height, left toe, slopes and crest; the centre column
// follows from them as the fill screen computes it.
void AddFillRow(FillLoadTable& fill, double height, double toe, double a, double b, double c) {
    const std::size_t row = fill.RowCount();
    fill.ResizeRows(row + 1);
    fill.At(fill_column::kTotalHeight, row) = Cell::Number(height);
    fill.At(fill_column::kToeDistance, row) = Cell::Number(toe);
    fill.At(fill_column::kLeftSlope, row) = Cell::Number(a);
    fill.At(fill_column::kCrest, row) = Cell::Number(b);
    fill.At(fill_column::kRightSlope, row) = Cell::Number(c);
    fill.At(fill_column::kCentreDistance, row) = Cell::Number(toe + (a + b + c) / 2);
}

ProjectData WithFill(std::initializer_list<std::array<double, 5>> rows) {
    ProjectData project;
    project.fillLoads = MakeFillLoadTable();
    for (const auto& r : rows) AddFillRow(*project.fillLoads, r[0], r[1], r[2], r[3], r[4]);
    return project;
}

CalcResults WithPoints(std::initializer_list<Cell> row0) {
    CalcResults results;
    results.pointOffsets.resize(1);
    std::size_t k = 0;
    for (const Cell& cell : row0) results.pointOffsets[0][k++] = cell;
    return results;
}

// The screens' figure laid out in twips as the summary lays out its diagram
// in points: the reference point at x = 150, the ground at y = 300, the
// bottom block at most 400 wide and the stack at most 90 high. A point is 20
// twips.
constexpr double kTwipsPerPoint = 20;
constexpr SectionLayout kSummaryLayoutInTwips{400 * kTwipsPerPoint,
                                              90 * kTwipsPerPoint,
                                              kDiagramOriginX* kTwipsPerPoint,
                                              300 * kTwipsPerPoint,
                                              0,
                                              0};

void ExpectSameLine(const sheet::LineShape& line, const FigureLine& twips,
                    const std::string& what) {
    EXPECT_NEAR(line.x1, twips.x1 / kTwipsPerPoint, 1e-9) << what;
    EXPECT_NEAR(line.y1, twips.y1 / kTwipsPerPoint, 1e-9) << what;
    EXPECT_NEAR(line.x2, twips.x2 / kTwipsPerPoint, 1e-9) << what;
    EXPECT_NEAR(line.y2, twips.y2 / kTwipsPerPoint, 1e-9) << what;
    // The screens' plain line is the sheet's default; their red ticks are
    // solid red, their centre line long dash-dot.
    const sheet::DashStyle dash =
        twips.style == FigureLine::Style::DashDot
            ? sheet::DashStyle::LongDashDot
            : (twips.red ? sheet::DashStyle::Solid : sheet::DashStyle::SheetDefault);
    EXPECT_EQ(line.dashStyle, dash) << what;
    EXPECT_EQ(line.schemeColor, twips.red ? std::optional(sheet::PaletteColor::Red) : std::nullopt)
        << what;
}

// The geometry of the section (blocks stacked on the crest below, the
// smaller of the two scales, the centre line, the ticks) is pinned once,
// with the screens' figure; the summary's diagram must draw the same.
TEST(SectionDiagram, IsTheSectionTheScreensDrawOnTheSummarysScale) {
    const std::vector<std::array<double, 5>> fills[] = {
        {{2, 0, 2, 6, 2}},                    // 10 m wide, scaled by its width
        {{3, 0, 2, 6, 2}},                    // scaled by its height
        {{1, 4, 2, 8, 2}, {1, 0, 4, 12, 4}},  // an upper block on the lower's crest
        {{6, 3, 1, 2, 1}, {2, 0, 2, 6, 2}},   // tall and narrow on top
        {{2, 0, 0, 0, 0}},                    // no width: nothing drawn
        {{0, 0, 2, 6, 2}},                    // no height: nothing drawn
    };
    CalcResults results;
    results.pointOffsets.resize(1);
    for (std::size_t k = 0; k < kPointCount; ++k) {
        if (k != 3) results.pointOffsets[0][k] = Cell::Number(-5 + 1.25 * static_cast<double>(k));
    }
    for (const auto& rows : fills) {
        ProjectData project;
        project.fillLoads = MakeFillLoadTable();
        for (const auto& r : rows) AddFillRow(*project.fillLoads, r[0], r[1], r[2], r[3], r[4]);
        const SectionDiagram diagram = LayOutSectionDiagram(project, results);
        SectionFigure screens = DrawSection(*project.fillLoads, kSummaryLayoutInTwips);
        for (const PointMarker& marker : diagram.markers) {
            AddPointMarker(screens, project.fillLoads->Number(fill_column::kCentreDistance, 0),
                           results.pointOffsets[0][marker.point].AsNumber(), marker.point);
        }
        const std::string fill = std::to_string(rows.size()) + " blocks, bottom " +
                                 std::to_string(rows.back()[3]) + " wide";
        ASSERT_EQ(diagram.outline.size() + diagram.markers.size(), screens.lines.size()) << fill;
        ASSERT_EQ(diagram.markers.size(), screens.texts.size()) << fill;
        EXPECT_EQ(diagram.markers.size(), screens.scale > 0 ? kPointCount - 1 : 0) << fill;
        for (std::size_t i = 0; i < diagram.outline.size(); ++i) {
            ExpectSameLine(diagram.outline[i], screens.lines[i],
                           fill + ", line " + std::to_string(i));
        }
        for (std::size_t m = 0; m < diagram.markers.size(); ++m) {
            const PointMarker& marker = diagram.markers[m];
            const std::string what = fill + ", point " + std::to_string(marker.point);
            ExpectSameLine(marker.tick, screens.lines[diagram.outline.size() + m], what);
            EXPECT_EQ(marker.caption, screens.texts[m].text) << what;
            EXPECT_NEAR(marker.left, screens.texts[m].x / kTwipsPerPoint, 1e-9) << what;
            EXPECT_NEAR(marker.top, screens.texts[m].y / kTwipsPerPoint, 1e-9) << what;
        }
    }
}

TEST(SectionDiagram, EveryPlacedPointGetsItsLabelWithItsCircledNumber) {
    CalcResults results;
    results.pointOffsets.resize(1);
    for (std::size_t k = 0; k < kPointCount; ++k) {
        results.pointOffsets[0][k] = Cell::Number(-5 + static_cast<double>(k));
    }
    const report::SectionDiagram d =
        report::LayOutSectionDiagram(WithFill({{2, 0, 2, 6, 2}}), results);
    ASSERT_EQ(d.markers.size(), kPointCount);
    const char* names[] = {"LBL_Tyaku0", "LBL_Tyaku1", "LBL_Tyaku2", "LBL_Tyaku3",
                           "LBL_Tyaku4", "LBL_Tyaku5", "LBL_Tyaku6", "LBL_Tyaku7",
                           "LBL_Tyaku8", "LBL_Tyaku9", "LBL_TyakuA"};
    for (std::size_t k = 0; k < kPointCount; ++k) {
        EXPECT_EQ(d.markers[k].label, names[k]);
        EXPECT_EQ(d.markers[k].caption, CircledNumber(static_cast<int>(k) + 1));
        EXPECT_EQ(d.markers[k].point, k);
    }
}

TEST(SectionDiagram, PointsWithoutPositionAreNotMarked) {
    const report::SectionDiagram d = report::LayOutSectionDiagram(
        WithFill({{2, 0, 2, 6, 2}}), WithPoints({Cell::Missing(), Cell::Number(1.5)}));
    ASSERT_EQ(d.markers.size(), 1u);
    EXPECT_EQ(d.markers[0].label, "LBL_Tyaku1");
    EXPECT_DOUBLE_EQ(d.markers[0].left, (5 + 1.5) * 40 + 150);
}

TEST(SectionDiagram, AProjectWithoutFillBlocksDrawsNothing) {
    const CalcResults points = WithPoints({Cell::Number(0)});
    EXPECT_TRUE(report::LayOutSectionDiagram(ProjectData{}, points).outline.empty());
    EXPECT_TRUE(report::LayOutSectionDiagram(WithFill({}), points).markers.empty());
}

TEST(DrawSectionDiagram, AFailureStopsTheDrawingQuietlyAndKeepsWhatIsDrawn) {
    const CalcResults points =
        WithPoints({Cell::Number(-5), Cell::Number(-4), Cell::Number(-3), Cell::Number(-2)});
    testing::StrictMock<MockWorksheet> failing;
    int moves = 0;
    // Outline, then tick, move and caption per point; the third move fails.
    EXPECT_CALL(failing, AddLine(_)).Times(5 + 3);
    EXPECT_CALL(failing, SetLabelCaption(_, _)).Times(2);
    EXPECT_CALL(failing, MoveLabel(_, _, _)).Times(3).WillRepeatedly([&](auto, auto, auto) {
        if (++moves == 3) throw sheet::SpreadsheetError("no label LBL_Tyaku2");
    });
    EXPECT_NO_THROW(report::DrawSectionDiagram(failing, WithFill({{2, 0, 2, 6, 2}}), points));
}

}  // namespace
}  // namespace nubera::report

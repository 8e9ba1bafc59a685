#include "report/figures/section_diagram.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "report/text/report_text.h"
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

void ExpectLine(const sheet::LineShape& line, double x1, double y1, double x2, double y2) {
    EXPECT_DOUBLE_EQ(line.x1, x1);
    EXPECT_DOUBLE_EQ(line.y1, y1);
    EXPECT_DOUBLE_EQ(line.x2, x2);
    EXPECT_DOUBLE_EQ(line.y2, y2);
}

TEST(SectionDiagram, SingleBlockTenByTwoScalesByForty) {
    // S = min(400 / 10, 90 / 2) = 40
    const report::SectionDiagram d =
        report::LayOutSectionDiagram(WithFill({{2, 0, 2, 6, 2}}), CalcResults{});
    ASSERT_EQ(d.outline.size(), 5u);
    ExpectLine(d.outline[0], 150, 300, 550, 300);  // base
    ExpectLine(d.outline[1], 150, 300, 230, 220);  // left slope
    ExpectLine(d.outline[2], 230, 220, 470, 220);  // crest
    ExpectLine(d.outline[3], 470, 220, 550, 300);  // right slope
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(d.outline[i].dashStyle, sheet::DashStyle::SheetDefault);
        EXPECT_FALSE(d.outline[i].schemeColor);
    }
    ExpectLine(d.outline[4], 350, 215, 350, 305);  // centre line: x = 5 m
    EXPECT_EQ(d.outline[4].dashStyle, sheet::DashStyle::LongDashDot);
    EXPECT_TRUE(d.markers.empty());
}

TEST(SectionDiagram, UpperBlockStandsOnTheCrestOfTheLowerOne) {
    // Bottom block 20 m wide: S = min(400 / 20, 90 / 2) = 20.
    const report::SectionDiagram d =
        report::LayOutSectionDiagram(WithFill({{1, 4, 2, 8, 2}, {1, 0, 4, 12, 4}}), CalcResults{});
    ASSERT_EQ(d.outline.size(), 9u);
    ExpectLine(d.outline[0], 150, 300, 550, 300);  // the bottom block comes first
    ExpectLine(d.outline[4], 230, 280, 470, 280);  // upper base at 300 - S
    ExpectLine(d.outline[6], 270, 260, 430, 260);  // upper crest at 300 - 2S
    ExpectLine(d.outline[8], 350, 255, 350, 305);  // starts 5 above the top
}

TEST(SectionDiagram, TheLowerLimitOfTheTwoScalesWins) {
    // 10 m wide but 3 m high: S = min(40, 30) = 30
    const report::SectionDiagram d =
        report::LayOutSectionDiagram(WithFill({{3, 0, 2, 6, 2}}), CalcResults{});
    ExpectLine(d.outline[0], 150, 300, 450, 300);
    ExpectLine(d.outline[2], 210, 210, 390, 210);
}

TEST(SectionDiagram, EveryPlacedPointGetsARedTickAndItsLabel) {
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
        const report::PointMarker& m = d.markers[k];
        const double x = (5 + (-5 + static_cast<double>(k))) * 40 + 150;
        ExpectLine(m.tick, x, 300, x, 310);
        EXPECT_EQ(m.tick.dashStyle, sheet::DashStyle::Solid);
        EXPECT_EQ(m.tick.schemeColor, sheet::PaletteColor::Red);
        EXPECT_EQ(m.label, names[k]);
        EXPECT_EQ(m.caption, CircledNumber(static_cast<int>(k) + 1));
        EXPECT_DOUBLE_EQ(m.left, x);
        EXPECT_DOUBLE_EQ(m.top, 310);
    }
}

TEST(SectionDiagram, PointsWithoutPositionAreNotMarked) {
    const report::SectionDiagram d = report::LayOutSectionDiagram(
        WithFill({{2, 0, 2, 6, 2}}), WithPoints({Cell::Missing(), Cell::Number(1.5)}));
    ASSERT_EQ(d.markers.size(), 1u);
    EXPECT_EQ(d.markers[0].label, "LBL_Tyaku1");
    EXPECT_DOUBLE_EQ(d.markers[0].left, (5 + 1.5) * 40 + 150);
}

TEST(SectionDiagram, BlocksWithoutWidthOrHeightDrawNothing) {
    const CalcResults points = WithPoints({Cell::Number(0)});
    EXPECT_TRUE(report::LayOutSectionDiagram(WithFill({{2, 0, 0, 0, 0}}), points).outline.empty());
    EXPECT_TRUE(report::LayOutSectionDiagram(WithFill({{0, 0, 2, 6, 2}}), points).outline.empty());
    EXPECT_TRUE(report::LayOutSectionDiagram(WithFill({{0, 0, 2, 6, 2}}), points).markers.empty());
    EXPECT_TRUE(report::LayOutSectionDiagram(ProjectData{}, points).outline.empty());
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

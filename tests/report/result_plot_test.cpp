#include "report/figures/result_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "report/text/report_text.h"

namespace nubera::report {
namespace {

// A diagram whose point k has its tick at xs[k].
report::SectionDiagram Ticks(std::initializer_list<double> xs) {
    report::SectionDiagram diagram;
    std::size_t k = 0;
    for (double x : xs) {
        report::PointMarker marker;
        marker.point = k++;
        marker.left = x;
        diagram.markers.push_back(marker);
    }
    return diagram;
}

report::PlotSubject Totals(std::initializer_list<std::optional<double>> totals) {
    return {"各着目点の即時沈下量", "S (cm)", totals};
}

bool Overlap(const sheet::TextBox& a, const sheet::TextBox& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// What every plot keeps to, whatever its points: each point on its tick at
// a height proportional to its total, no text over another, everything in
// the plot's band below the diagram.
void ExpectReadablePlot(const report::SectionDiagram& diagram, const report::PlotSubject& subject) {
    const report::ResultPlot plot = report::LayOutResultPlot(diagram, subject);
    ASSERT_GT(plot.pointsPerCm, 0);
    for (const report::ResultPlot::Mark& mark : plot.marks) {
        const report::PointMarker& tick = diagram.markers[mark.point];
        EXPECT_DOUBLE_EQ(mark.x, tick.left) << mark.point;
        const double total = *subject.totals[mark.point];
        EXPECT_NEAR(plot.zeroY - mark.y, total * plot.pointsPerCm, 1e-9) << mark.point;
        const std::string& label = plot.texts[mark.label].text;
        EXPECT_EQ(label.rfind(CircledNumber(mark.point + 1) + " " +
                                  report::FormatOrBlank(Cell::Number(total)),
                              0),
                  0u)
            << label;
    }
    for (std::size_t i = 0; i < plot.texts.size(); ++i) {
        for (std::size_t j = i + 1; j < plot.texts.size(); ++j) {
            EXPECT_FALSE(Overlap(plot.texts[i], plot.texts[j]))
                << plot.texts[i].text << " over " << plot.texts[j].text;
        }
        EXPECT_GE(plot.texts[i].top, report::kPlotBandTop) << plot.texts[i].text;
        EXPECT_LE(plot.texts[i].top + plot.texts[i].height, report::kPlotBandBottom)
            << plot.texts[i].text;
        EXPECT_GE(plot.texts[i].left, 0) << plot.texts[i].text;
    }
    for (const sheet::LineShape& line : plot.lines) {
        EXPECT_GE(std::min(line.y1, line.y2), report::kPlotBandTop);
        EXPECT_LE(std::max(line.y1, line.y2), report::kPlotBandBottom);
    }
}

TEST(ResultPlot, EveryPointStandsUnderItsTickAndEveryTextReads) {
    {
        SCOPED_TRACE("a settlement trough");
        ExpectReadablePlot(
            Ticks({150, 186, 222, 258, 294, 330, 366, 402, 438, 474, 510}),
            Totals({4.74, 6.58, 9.01, 11.69, 14.68, 16.55, 13.48, 10.23, 7.46, 5.54, 3.7}));
    }
    {
        SCOPED_TRACE("manual points at one x and at nearly one x, with close values");
        ExpectReadablePlot(Ticks({300, 300, 301.5, 303, 250}),
                           Totals({2.31, 2.32, 2.3, 2.33, 2.29}));
    }
    {
        SCOPED_TRACE("eleven points within 40 points");
        ExpectReadablePlot(Ticks({300, 304, 308, 312, 316, 320, 324, 328, 332, 336, 340}),
                           Totals({1.0, 1.1, 1.2, 1.3, 1.4, 1.5, 1.4, 1.3, 1.2, 1.1, 1.0}));
    }
    {
        SCOPED_TRACE("displacements of both signs, the leftmost point left of the origin");
        ExpectReadablePlot(Ticks({60, 200, 340, 480}), Totals({-3.25, -0.4, 0.8, 2.15}));
    }
    {
        SCOPED_TRACE("all zero");
        ExpectReadablePlot(Ticks({150, 350, 550}), Totals({0.0, 0.0, 0.0}));
    }
}

// Whether the line passes through the inside of the text's box (a line along
// its edge does not).
bool Strikes(const sheet::LineShape& line, const sheet::TextBox& text) {
    constexpr int kSteps = 200;
    for (int i = 1; i < kSteps; ++i) {
        const double x = line.x1 + (line.x2 - line.x1) * i / kSteps;
        const double y = line.y1 + (line.y2 - line.y1) * i / kSteps;
        if (x > text.left + 1 && x < text.left + text.width - 1 && y > text.top + 1 &&
            y < text.top + text.height - 1) {
            return true;
        }
    }
    return false;
}

double Distance(const sheet::TextBox& text, double x, double y) {
    const double nx = std::clamp(x, text.left, text.left + text.width);
    const double ny = std::clamp(y, text.top, text.top + text.height);
    return std::hypot(nx - x, ny - y);
}

// Labels read beside their points: no line of the plot strikes a text, a
// label set apart from its point has a leader line ending on its box, and
// no other label stands higher than the largest value's.
void ExpectLabelsBesideTheirPoints(const report::SectionDiagram& diagram,
                                   const report::PlotSubject& subject) {
    const report::ResultPlot plot = report::LayOutResultPlot(diagram, subject);
    for (const sheet::LineShape& line : plot.lines) {
        for (const sheet::TextBox& text : plot.texts) {
            EXPECT_FALSE(Strikes(line, text)) << text.text;
        }
    }
    const sheet::TextBox* largest = nullptr;
    for (const report::ResultPlot::Mark& mark : plot.marks) {
        const sheet::TextBox& label = plot.texts[mark.label];
        if (label.text.find("最大") != std::string::npos) largest = &label;
        if (Distance(label, mark.x, mark.y) <= 8) continue;
        EXPECT_TRUE(std::ranges::any_of(plot.lines,
                                        [&](const sheet::LineShape& l) {
                                            return Distance(label, l.x2, l.y2) < 1e-6 &&
                                                   std::hypot(l.x1 - mark.x, l.y1 - mark.y) < 5;
                                        }))
            << label.text << " has no leader";
    }
    ASSERT_NE(largest, nullptr);
    for (const report::ResultPlot::Mark& mark : plot.marks) {
        EXPECT_GE(plot.texts[mark.label].top, largest->top) << plot.texts[mark.label].text;
    }
}

TEST(ResultPlot, LabelsStayBesideTheirPointsClearOfTheLines) {
    {
        SCOPED_TRACE("a settlement trough");
        ExpectLabelsBesideTheirPoints(
            Ticks({150, 186, 222, 258, 294, 330, 366, 402, 438, 474, 510}),
            Totals({4.74, 6.58, 9.01, 11.69, 14.68, 16.55, 13.48, 10.23, 7.46, 5.54, 3.7}));
    }
    {
        SCOPED_TRACE("a plateau of nearly equal values next to the largest");
        ExpectLabelsBesideTheirPoints(Ticks({150, 180, 210, 240, 270, 300}),
                                      Totals({2.22, 2.52, 2.38, 2.03, 1.29, 0.06}));
    }
    {
        SCOPED_TRACE("eleven points within 40 points");
        ExpectLabelsBesideTheirPoints(
            Ticks({300, 304, 308, 312, 316, 320, 324, 328, 332, 336, 340}),
            Totals({1.0, 1.1, 1.2, 1.3, 1.4, 1.5, 1.4, 1.3, 1.2, 1.1, 1.0}));
    }
}

TEST(ResultPlot, TheXAxisIsNamedAndAllZeroNamesNoMaximum) {
    const report::ResultPlot plot =
        report::LayOutResultPlot(Ticks({150, 350, 550}), Totals({0.0, 0.0, 0.0}));
    EXPECT_TRUE(
        std::ranges::any_of(plot.texts, [](const sheet::TextBox& t) { return t.text == "x (m)"; }));
    for (const sheet::TextBox& text : plot.texts) {
        EXPECT_EQ(text.text.find("最大"), std::string::npos) << text.text;
    }
}

TEST(ResultPlot, SmallValuesFillTheBandAsLargeOnesDo) {
    for (double largest : {0.03, 0.7, 16.55, 420.0}) {
        const report::ResultPlot plot = report::LayOutResultPlot(
            Ticks({150, 350, 550}), Totals({largest / 3, largest, largest / 2}));
        EXPECT_GT(largest * plot.pointsPerCm,
                  0.3 * (report::kPlotBandBottom - report::kPlotBandTop))
            << largest;
    }
}

TEST(ResultPlot, TheLargestValueIsMarked) {
    const report::ResultPlot plot =
        report::LayOutResultPlot(Ticks({150, 250, 350, 450}), Totals({1.5, -6.25, 6.0, 0.5}));
    int marked = 0;
    for (const report::ResultPlot::Mark& mark : plot.marks) {
        const sheet::TextBox& label = plot.texts[mark.label];
        const bool isMarked = label.text.find("最大") != std::string::npos;
        marked += isMarked;
        EXPECT_EQ(isMarked, mark.point == 1) << label.text;
        EXPECT_EQ(label.bold, isMarked);
    }
    EXPECT_EQ(marked, 1);
}

TEST(ResultPlot, PointsWithoutATotalOrATickAreLeftOut) {
    const report::ResultPlot plot =
        report::LayOutResultPlot(Ticks({150, 250, 350}), Totals({1.0, std::nullopt, 3.0, 4.0}));
    ASSERT_EQ(plot.marks.size(), 2u);
    EXPECT_EQ(plot.marks[0].point, 0u);
    EXPECT_EQ(plot.marks[1].point, 2u);
    EXPECT_TRUE(report::LayOutResultPlot(Ticks({}), Totals({1.0})).texts.empty());
    EXPECT_TRUE(report::LayOutResultPlot(Ticks({150}), Totals({std::nullopt})).lines.empty());
}

}  // namespace
}  // namespace nubera::report

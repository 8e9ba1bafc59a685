#include "input/section_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>
#include <cmath>

#include "screenrules/fill_load_rules.h"

namespace nubera::input {
namespace {

// What reached the device, in device pixels.
struct RecordedLine {
    QLineF line;
    QColor colour;
    Qt::PenStyle style;
};

// A paint engine that records lines and texts where they land on the device.
class RecordingEngine : public QPaintEngine {
  public:
    // Claiming every feature makes the painter hand over lines as drawn,
    // with the transform and pen as state.
    RecordingEngine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyTransform) transform_ = state.transform();
        if (state.state() & DirtyPen) pen_ = state.pen();
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            this->lines.push_back({transform_.map(lines[i]), pen_.color(), pen_.style()});
        }
    }
    void drawTextItem(const QPointF& point, const QTextItem& item) override {
        texts.emplace_back(transform_.map(point), item.text());
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    Type type() const override { return User; }

    std::vector<RecordedLine> lines;
    std::vector<std::pair<QPointF, QString>> texts;

  private:
    QTransform transform_;
    QPen pen_;
};

// A surface of the given pixel size at 96 dpi.
class RecordingDevice : public QPaintDevice {
  public:
    explicit RecordingDevice(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmDepth:
                return 32;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return 0;
        }
    }

  private:
    QSize size_;
};

FillLoadTable OneBlock() {
    return BuildFillLoadTable({{.base = 0, .a = 2, .b = 6, .c = 2, .h = 2, .totalHeight = 2}});
}

// Twips to the pixels of a 96 dpi device.
QLineF Pixels(double x1, double y1, double x2, double y2) {
    return QLineF(x1 / 15, y1 / 15, x2 / 15, y2 / 15);
}

bool Near(const QLineF& a, const QLineF& b) {
    return std::abs(a.x1() - b.x1()) < 1e-6 && std::abs(a.y1() - b.y1()) < 1e-6 &&
           std::abs(a.x2() - b.x2()) < 1e-6 && std::abs(a.y2() - b.y2()) < 1e-6;
}

TEST(SectionView, FillLoadSectionLandsWhereItsTwipsSay) {
    const SectionFigure figure = DrawSection(OneBlock(), kFillLoadSectionLayout);
    RecordingDevice device(QSize(888, 351));  // 13320 x 5265 twips
    QPainter painter(&device);
    input::SectionView::Paint(painter, figure, QSizeF(888, 351));
    painter.end();

    const auto& lines = device.engine.lines;
    ASSERT_EQ(lines.size(), 5u);
    const QLineF expected[] = {Pixels(500, 4500, 12500, 4500), Pixels(500, 4500, 2900, 2100),
                               Pixels(2900, 2100, 10100, 2100), Pixels(10100, 2100, 12500, 4500),
                               Pixels(6500, 2000, 6500, 4600)};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(Near(lines[i].line, expected[i])) << i;
        EXPECT_EQ(lines[i].colour, QColor(Qt::black)) << i;
    }
    EXPECT_EQ(lines[0].style, Qt::SolidLine);
    EXPECT_EQ(lines[4].style, Qt::DashDotLine);
}

TEST(SectionView, PointMarkerIsARedTickWithItsNumberBelow) {
    const FillLoadTable fill = OneBlock();
    SectionFigure figure = DrawSection(fill, kFocusPointSectionLayout);
    AddPointMarker(figure, fill.Number(fill_column::kCentreDistance, 0), 0, 0);
    RecordingDevice device(QSize(584, 183));  // 8760 x 2745 twips
    QPainter painter(&device);
    input::SectionView::Paint(painter, figure, QSizeF(584, 183));
    painter.end();

    const RecordedLine& tick = device.engine.lines.back();
    EXPECT_TRUE(Near(tick.line, Pixels(4050, 2200, 4050, 2400)));
    EXPECT_EQ(tick.colour, QColor(255, 0, 0));
    EXPECT_EQ(tick.style, Qt::SolidLine);
    ASSERT_EQ(device.engine.texts.size(), 1u);
    EXPECT_EQ(device.engine.texts[0].second, QStringLiteral("①"));
    EXPECT_NEAR(device.engine.texts[0].first.x(), 4050.0 / 15, 1);
    EXPECT_GT(device.engine.texts[0].first.y(), 2400.0 / 15);  // the baseline, below the top
}

TEST(SectionView, KeepsItsPictureOnEveryRepaint) {
    input::SectionView view(kFocusPointSectionLayout);
    const FillLoadTable fill = OneBlock();
    SectionFigure figure = DrawSection(fill, kFocusPointSectionLayout);
    AddPointMarker(figure, fill.Number(fill_column::kCentreDistance, 0), 0, 0);
    view.SetFigure(figure);
    for (int pass = 0; pass < 2; ++pass) {
        const QImage image = view.grab().toImage();
        const int x = static_cast<int>(4050 * image.width() / 8760.0);
        const int y = static_cast<int>(2300 * image.height() / 2745.0);
        bool red = false;
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor colour = image.pixelColor(x + dx, y);
            red = red || (colour.red() > 200 && colour.green() < 100);
        }
        EXPECT_TRUE(red) << "pass " << pass;
    }
    view.Clear();
    EXPECT_TRUE(view.Figure().lines.empty());
}

}  // namespace
}  // namespace nubera::input

#include "printout/render/shape_painter.h"

#include <QColor>
#include <QPen>
#include <array>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "printout/render/text_block.h"

namespace nubera::printout {
namespace {

// Dash and gap lengths of the preset dashes, in multiples of the line width.
const auto kDashes = std::to_array<std::pair<std::string_view, std::vector<qreal>>>({
    {"dot", {1, 3}},
    {"dash", {4, 3}},
    {"lgDash", {8, 3}},
    {"dashDot", {4, 3, 1, 3}},
    {"lgDashDot", {8, 3, 1, 3}},
    {"lgDashDotDot", {8, 3, 1, 3, 1, 3}},
    {"sysDash", {3, 1}},
    {"sysDot", {1, 1}},
    {"sysDashDot", {3, 1, 1, 1}},
    {"sysDashDotDot", {3, 1, 1, 1, 1, 1}},
});

QColor ToColor(sheet::Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QPen OutlinePen(const sheet::ShapeOutline& outline) {
    QPen pen(ToColor(outline.color), outline.width, Qt::SolidLine, Qt::FlatCap);
    if (const QList<qreal> dashes = DashPattern(outline.dash); !dashes.isEmpty()) {
        pen.setDashPattern(dashes);
    }
    return pen;
}

Qt::Alignment AlignmentOf(sheet::TextAlignment alignment) {
    switch (alignment) {
        case sheet::TextAlignment::Center:
            return Qt::AlignHCenter;
        case sheet::TextAlignment::Right:
            return Qt::AlignRight;
        case sheet::TextAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace

QList<qreal> DashPattern(const std::string& preset) {
    for (const auto& [name, pattern] : kDashes) {
        if (name == preset) return QList<qreal>(pattern.begin(), pattern.end());
    }
    return {};
}

void ShapePainter::Paint(const sheet::DrawnShape& shape) {
    const QRectF rect(shape.rect.left, shape.rect.top, shape.rect.width, shape.rect.height);
    painter_.setPen(shape.outline ? OutlinePen(*shape.outline) : QPen(Qt::NoPen));
    painter_.setBrush(shape.fill ? QBrush(ToColor(*shape.fill)) : QBrush(Qt::NoBrush));
    switch (shape.kind) {
        case sheet::DrawnShape::Kind::Line: {
            // A line runs corner to corner of its box; flips choose the corners.
            const double x1 = shape.flipH ? rect.right() : rect.left();
            const double y1 = shape.flipV ? rect.bottom() : rect.top();
            const double x2 = shape.flipH ? rect.left() : rect.right();
            const double y2 = shape.flipV ? rect.top() : rect.bottom();
            if (shape.outline) painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
            return;
        }
        case sheet::DrawnShape::Kind::Rectangle:
            painter_.drawRect(rect);
            break;
        case sheet::DrawnShape::Kind::Ellipse:
            painter_.drawEllipse(rect);
            break;
    }
    if (shape.HasText()) PaintText(shape);
}

// The paragraphs stacked inside the insets, the block anchored at the top,
// middle or bottom; a text wider than an unwrapped box runs over its edges.
void ShapePainter::PaintText(const sheet::DrawnShape& shape) {
    const QRectF inner(shape.rect.left + shape.insetLeft, shape.rect.top + shape.insetTop,
                       shape.rect.width - shape.insetLeft - shape.insetRight,
                       shape.rect.height - shape.insetTop - shape.insetBottom);
    struct Laid {
        const sheet::ShapeParagraph* paragraph;
        QFont font;
        std::unique_ptr<TextBlock> text;
        double height;
    };
    std::vector<Laid> laid;
    double height = 0;
    const LineBreaks breaks =
        shape.wrapText ? LineBreaks::AtLineFeedsAndWidth : LineBreaks::AtLineFeeds;
    for (const sheet::ShapeParagraph& paragraph : shape.paragraphs) {
        const std::string& name = paragraph.fontName.empty() ? defaultFont_ : paragraph.fontName;
        const QFont& font = fonts_.Font(name, paragraph.fontSize, paragraph.bold, paragraph.italic);
        const QFontMetricsF& metrics = fonts_.Metrics(font);
        // An empty paragraph is as high as a line.
        const QString text =
            paragraph.text.empty() ? QStringLiteral(" ") : QString::fromStdString(paragraph.text);
        auto block = std::make_unique<TextBlock>(text, font, metrics, painter_.device(), breaks,
                                                 std::max(inner.width(), 0.0));
        const double lineHeight = std::max(block->Height(), metrics.lineSpacing());
        laid.push_back({&paragraph, font, std::move(block), lineHeight});
        height += lineHeight;
    }
    double y = inner.top();
    if (shape.textAnchor == sheet::TextAnchor::Center) y = inner.center().y() - height / 2;
    if (shape.textAnchor == sheet::TextAnchor::Bottom) y = inner.bottom() - height;
    for (const Laid& line : laid) {
        if (!line.paragraph->text.empty()) {
            SetFont(painter_, line.font);
            painter_.setPen(ToColor(line.paragraph->color));
            line.text->Draw(painter_, QRectF(inner.left(), y, inner.width(), line.height),
                            Qt::AlignTop | AlignmentOf(line.paragraph->alignment));
        }
        y += line.height;
    }
}

}  // namespace nubera::printout

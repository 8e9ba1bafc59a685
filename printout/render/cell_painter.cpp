#include "printout/render/cell_painter.h"

#include <QColor>
#include <QPen>
#include <algorithm>

#include "printout/render/border_lines.h"
#include "printout/render/text_block.h"

namespace nubera::printout {
namespace {

constexpr double kTextPaddingX = 2.25;  // points between a cell's edge and its text
constexpr double kTextPaddingY = 1;
constexpr double kIndentStep = 9;  // points per indent level: three characters
const QColor kGridLineColor(0xC0, 0xC0, 0xC0);
constexpr double kGridLineWidth = 0.25;

QColor ToColor(sheet::Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

struct Stroke {
    double width;
    Qt::PenStyle style;
    bool doubled = false;
};

// Border lines as printed: a thin line is half a point wide.
Stroke StrokeOf(sheet::BorderLine line) {
    switch (line) {
        case sheet::BorderLine::None:
            return {0, Qt::NoPen};
        case sheet::BorderLine::Hair:
            return {0.25, Qt::SolidLine};
        case sheet::BorderLine::Thin:
            return {0.5, Qt::SolidLine};
        case sheet::BorderLine::Medium:
            return {1.25, Qt::SolidLine};
        case sheet::BorderLine::Thick:
            return {2, Qt::SolidLine};
        case sheet::BorderLine::Double:
            return {0.5, Qt::SolidLine, true};
        case sheet::BorderLine::Dotted:
            return {0.5, Qt::DotLine};
        case sheet::BorderLine::Dashed:
            return {0.5, Qt::DashLine};
        case sheet::BorderLine::DashDot:
            return {0.5, Qt::DashDotLine};
        case sheet::BorderLine::DashDotDot:
            return {0.5, Qt::DashDotDotLine};
        case sheet::BorderLine::MediumDashed:
            return {1.25, Qt::DashLine};
        case sheet::BorderLine::MediumDashDot:
        case sheet::BorderLine::SlantDashDot:
            return {1.25, Qt::DashDotLine};
        case sheet::BorderLine::MediumDashDotDot:
            return {1.25, Qt::DashDotDotLine};
    }
    return {0, Qt::NoPen};
}

Qt::Alignment HorizontalOf(const sheet::CellFormat& format, const sheet::ShownValue& value) {
    switch (format.horizontal) {
        case sheet::HorizontalAlignment::General:
            return value.number ? Qt::AlignRight : Qt::AlignLeft;
        case sheet::HorizontalAlignment::Center:
        case sheet::HorizontalAlignment::CenterContinuous:
            return Qt::AlignHCenter;
        case sheet::HorizontalAlignment::Right:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

Qt::Alignment VerticalOf(const sheet::CellFormat& format) {
    switch (format.vertical) {
        case sheet::VerticalAlignment::Top:
            return Qt::AlignTop;
        case sheet::VerticalAlignment::Bottom:
            return Qt::AlignBottom;
        default:
            return Qt::AlignVCenter;
    }
}

bool Wraps(const sheet::CellFormat& format) {
    return format.wrapText || format.horizontal == sheet::HorizontalAlignment::Justify ||
           format.horizontal == sheet::HorizontalAlignment::Distributed;
}

// The text box inside a cell: padding, and the indent on the aligned side.
QRectF Inner(const QRectF& box, const sheet::CellFormat& format, Qt::Alignment horizontal) {
    QRectF inner = box.adjusted(kTextPaddingX, kTextPaddingY, -kTextPaddingX, -kTextPaddingY);
    const double indent = format.indent * kIndentStep;
    if (horizontal == Qt::AlignLeft) inner.setLeft(inner.left() + indent);
    if (horizontal == Qt::AlignRight) inner.setRight(inner.right() - indent);
    return inner;
}

// A number too wide for its cell shows as a row of '#', as in a spreadsheet.
QString Hashes(const QFontMetricsF& metrics, double width) {
    const double hash = metrics.horizontalAdvance(QLatin1Char('#'));
    return QString(std::max(1, static_cast<int>(width / hash)), QLatin1Char('#'));
}

// The "fill" alignment repeats the text across the cell.
QString Repeated(const QString& text, const QFontMetricsF& metrics, double width) {
    const double once = metrics.horizontalAdvance(text);
    if (text.isEmpty() || once <= 0) return text;
    return text.repeated(std::max(1, static_cast<int>(width / once)));
}

}  // namespace

QRectF RangeRect(const SheetPrintout& sheet, const sheet::CellRange& range) {
    return QRectF(QPointF(sheet.ColumnLeft(range.firstColumn), sheet.RowTop(range.firstRow)),
                  QPointF(sheet.ColumnLeft(range.lastColumn + 1), sheet.RowTop(range.lastRow + 1)));
}

CellPainter::CellPainter(QPainter& painter, PrintFonts& fonts, const SheetPrintout& sheet,
                         const sheet::CellRange& block)
    : painter_(painter), fonts_(fonts), sheet_(sheet), block_(block) {
    for (int row = block.firstRow; row <= block.lastRow; ++row) {
        for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
            formats_.push_back(&sheet.FormatAt(row, column));
        }
    }
}

void CellPainter::Paint() {
    PaintFills();
    if (sheet_.Setup().gridLines) PaintGridLines();
    PaintTexts();
    PaintBorders();
}

QRectF CellPainter::CellRect(int row, int column) const {
    return RangeRect(sheet_, {row, column, row, column});
}

const sheet::CellFormat& CellPainter::Format(int row, int column) const {
    const int columns = block_.lastColumn - block_.firstColumn + 1;
    return *formats_[static_cast<std::size_t>((row - block_.firstRow) * columns + column -
                                              block_.firstColumn)];
}

std::optional<CellPainter::Drawn> CellPainter::DrawnAt(int row, int column) const {
    const sheet::CellRange* merge = sheet_.MergeAt(row, column);
    if (!merge) return Drawn{CellRect(row, column), &Format(row, column), row, column, false};
    if (row != std::max(merge->firstRow, block_.firstRow) ||
        column != std::max(merge->firstColumn, block_.firstColumn)) {
        return std::nullopt;
    }
    return Drawn{RangeRect(sheet_, *merge), &sheet_.FormatAt(merge->firstRow, merge->firstColumn),
                 merge->firstRow, merge->firstColumn, true};
}

void CellPainter::PaintFills() {
    for (int row = block_.firstRow; row <= block_.lastRow; ++row) {
        for (int column = block_.firstColumn; column <= block_.lastColumn; ++column) {
            const std::optional<Drawn> cell = DrawnAt(row, column);
            if (cell && cell->format->fill) {
                painter_.fillRect(cell->box, ToColor(*cell->format->fill));
            }
        }
    }
}

void CellPainter::PaintGridLines() {
    painter_.setPen(QPen(kGridLineColor, kGridLineWidth));
    const double left = sheet_.ColumnLeft(block_.firstColumn);
    const double right = sheet_.ColumnLeft(block_.lastColumn + 1);
    const double top = sheet_.RowTop(block_.firstRow);
    const double bottom = sheet_.RowTop(block_.lastRow + 1);
    for (int row = block_.firstRow; row <= block_.lastRow + 1; ++row) {
        painter_.drawLine(QPointF(left, sheet_.RowTop(row)), QPointF(right, sheet_.RowTop(row)));
    }
    for (int column = block_.firstColumn; column <= block_.lastColumn + 1; ++column) {
        const double x = sheet_.ColumnLeft(column);
        painter_.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
}

void CellPainter::PaintTexts() {
    for (int row = block_.firstRow; row <= block_.lastRow; ++row) {
        for (int column = block_.firstColumn; column <= block_.lastColumn; ++column) {
            PaintText(row, column);
        }
    }
}

void CellPainter::PaintText(int row, int column) {
    const std::optional<Drawn> cell = DrawnAt(row, column);
    if (!cell) return;
    const std::optional<sheet::ShownValue> shown = sheet_.Shown(cell->row, cell->column);
    if (!shown || shown->text.empty()) return;
    const sheet::CellFormat& format = *cell->format;
    const sheet::FontFormat& font = format.font;
    QFont drawn =
        fonts_.Font(font.name, font.size, font.bold, font.italic, font.underline, font.strike);
    QPaintDevice* device = painter_.device();
    QRectF box = cell->box;
    const Qt::Alignment horizontal = HorizontalOf(format, *shown);
    const Qt::Alignment alignment = horizontal | VerticalOf(format);
    QRectF inner = Inner(box, format, horizontal);
    QString text = QString::fromStdString(shown->text);
    const QFontMetricsF* metrics = &fonts_.Metrics(drawn);
    std::optional<TextBlock> block;
    bool clip = false;
    if (Wraps(format)) {
        block.emplace(text, drawn, *metrics, device, LineBreaks::AtLineFeedsAndWidth,
                      inner.width());
        clip = !box.contains(block->Bounds(inner, alignment));
    } else {
        text.remove(QLatin1Char('\n'));
        block.emplace(text, drawn, *metrics, device);
        double width = block->Width();
        if (format.shrinkToFit && width > inner.width() && width > 0) {
            drawn.setPointSizeF(drawn.pointSizeF() * inner.width() / width);
            metrics = &fonts_.Metrics(drawn);
            block.emplace(text, drawn, *metrics, device);
            width = block->Width();
        }
        if (format.horizontal == sheet::HorizontalAlignment::Fill) {
            block.emplace(Repeated(text, *metrics, inner.width()), drawn, *metrics, device);
        } else if (shown->number && width > inner.width()) {
            block.emplace(Hashes(*metrics, inner.width()), drawn, *metrics, device);
        } else if (!cell->merged && width > inner.width()) {
            box = SpillRect(row, column, horizontal, width);
            inner = Inner(box, format, horizontal);
        }
        clip = width > inner.width() || metrics->height() > box.height();
    }
    SetFont(painter_, drawn);
    painter_.setPen(ToColor(shown->color.value_or(font.color)));
    if (clip) {
        painter_.save();
        painter_.setClipRect(box, Qt::IntersectClip);
    }
    block->Draw(painter_, inner, alignment);
    if (clip) painter_.restore();
}

QRectF CellPainter::SpillRect(int row, int column, Qt::Alignment alignment,
                              double textWidth) const {
    const double needed = textWidth + 2 * kTextPaddingX;
    QRectF box = CellRect(row, column);
    auto empty = [&](int at) { return !sheet_.HasValue(row, at) && !sheet_.MergeAt(row, at); };
    const bool centred = alignment == Qt::AlignHCenter;
    // A centred text spills to both sides by half of what it lacks.
    const double rightNeed = centred ? box.width() + (needed - box.width()) / 2 : needed;
    if (alignment != Qt::AlignRight) {
        for (int next = column + 1;
             box.width() < rightNeed && next <= block_.lastColumn && empty(next); ++next) {
            box.setRight(sheet_.ColumnLeft(next + 1));
        }
    }
    if (alignment != Qt::AlignLeft) {
        const double right = box.right();
        for (int next = column - 1;
             right - box.left() < needed && next >= block_.firstColumn && empty(next); --next) {
            box.setLeft(sheet_.ColumnLeft(next));
        }
    }
    return box;
}

void CellPainter::PaintBorders() {
    auto sameMerge = [&](const sheet::CellRange* merge, int row, int column) {
        return merge && merge->Contains(row, column);
    };
    std::vector<SideLine> lines;
    auto add = [&](CellSide kind, const sheet::BorderSide& side, QPointF from, QPointF to) {
        if (side.line != sheet::BorderLine::None) lines.push_back({kind, side, from, to});
    };
    for (int row = block_.firstRow; row <= block_.lastRow; ++row) {
        for (int column = block_.firstColumn; column <= block_.lastColumn; ++column) {
            const sheet::CellFormat& format = Format(row, column);
            if (!format.HasBorder()) continue;
            const sheet::CellRange* merge = sheet_.MergeAt(row, column);
            const QRectF cell = CellRect(row, column);
            if (!sameMerge(merge, row, column - 1)) {
                add(CellSide::Left, format.left, cell.topLeft(), cell.bottomLeft());
            }
            if (!sameMerge(merge, row, column + 1)) {
                add(CellSide::Right, format.right, cell.topRight(), cell.bottomRight());
            }
            if (!sameMerge(merge, row - 1, column)) {
                add(CellSide::Top, format.top, cell.topLeft(), cell.topRight());
            }
            if (!sameMerge(merge, row + 1, column)) {
                add(CellSide::Bottom, format.bottom, cell.bottomLeft(), cell.bottomRight());
            }
        }
    }
    for (const SideLine& line : Joined(std::move(lines))) {
        const Stroke stroke = StrokeOf(line.side.line);
        painter_.setPen(QPen(ToColor(line.side.color), stroke.width, stroke.style,
                             stroke.style == Qt::SolidLine ? Qt::SquareCap : Qt::FlatCap));
        if (!stroke.doubled) {
            painter_.drawLine(line.from, line.to);
            continue;
        }
        const bool horizontal = IsHorizontal(line.kind);
        const QPointF shift =
            QPointF(horizontal ? 0 : 1, horizontal ? 1 : 0) * (stroke.width * 1.5);
        painter_.drawLine(line.from - shift, line.to - shift);
        painter_.drawLine(line.from + shift, line.to + shift);
    }
}

}  // namespace nubera::printout

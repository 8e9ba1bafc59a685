// A text laid out once lands where QPainter::drawText puts it: the same box,
// the same pixels, for one line and for wrapped lines in every alignment.

#include "printout/render/text_block.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

namespace nubera::printout {
namespace {

struct Case {
    QString text;
    LineBreaks breaks;
};

const QRectF kBox(10.5, 7.25, 120, 64);

QFont TestFont() {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPointSizeF(10.5);  // lines of a fractional height
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setKerning(false);
    return font;
}

QImage Blank() {
    QImage image(200, 120, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

int Flags(Qt::Alignment alignment, LineBreaks breaks) {
    const int lines[] = {Qt::TextSingleLine, 0, Qt::TextWordWrap};
    return static_cast<int>(alignment) | lines[static_cast<int>(breaks)] | Qt::TextDontClip;
}

TEST(TextBlock, LandsWhereDrawTextPutsItInEveryAlignment) {
    const std::vector<Case> cases{
        {QStringLiteral("沈下量 S = 1.25 cm"), LineBreaks::None},
        {QStringLiteral("ends in spaces  "), LineBreaks::None},
        {QStringLiteral("line\nfeed, tab\tand\rreturn"), LineBreaks::None},
        {QStringLiteral("a line feed\nbreaks, a width does not"), LineBreaks::AtLineFeeds},
        {QStringLiteral("a wrapped text of words that needs three lines or more here"),
         LineBreaks::AtLineFeedsAndWidth},
        {QStringLiteral("即時沈下量は各層の沈下量の和として求める。"),
         LineBreaks::AtLineFeedsAndWidth},
        {QStringLiteral("first line\nsecond line"), LineBreaks::AtLineFeedsAndWidth},
    };
    const Qt::Alignment horizontals[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const Qt::Alignment verticals[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    for (const Case& c : cases) {
        for (const Qt::Alignment horizontal : horizontals) {
            for (const Qt::Alignment vertical : verticals) {
                const Qt::Alignment alignment = horizontal | vertical;
                SCOPED_TRACE(c.text.toStdString() + " alignment " +
                             std::to_string(static_cast<int>(alignment)));
                QImage expected = Blank();
                QRectF expectedBounds;
                {
                    QPainter painter(&expected);
                    painter.setFont(TestFont());
                    expectedBounds = painter.boundingRect(kBox, Flags(alignment, c.breaks), c.text);
                    painter.drawText(kBox, Flags(alignment, c.breaks), c.text);
                }
                QImage drawn = Blank();
                {
                    QPainter painter(&drawn);
                    painter.setFont(TestFont());
                    const QFontMetricsF metrics(painter.font(), &drawn);
                    const TextBlock block(c.text, painter.font(), metrics, &drawn, c.breaks,
                                          kBox.width());
                    EXPECT_EQ(block.Bounds(kBox, alignment), expectedBounds);
                    block.Draw(painter, kBox, alignment);
                }
                EXPECT_TRUE(drawn == expected);
            }
        }
    }
}

TEST(TextBlock, OneLineIsAsWideAsItsCharactersAdvance) {
    QImage image = Blank();
    const QFontMetricsF metrics(TestFont(), &image);
    for (const QString& text :
         {QStringLiteral("1,234.50"), QStringLiteral("計算 結果 "), QStringLiteral("  leading")}) {
        const TextBlock block(text, TestFont(), metrics, &image);
        EXPECT_EQ(block.Width(), metrics.horizontalAdvance(text)) << text.toStdString();
        EXPECT_EQ(block.Height(), metrics.ascent() + metrics.descent()) << text.toStdString();
    }
}

}  // namespace
}  // namespace nubera::printout

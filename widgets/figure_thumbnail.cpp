#include "widgets/figure_thumbnail.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

#include "widgets/dialogs/message_box.h"

namespace nubera::widgets {
namespace {

constexpr int kFadeStep = 5;
constexpr int kOpaque = 255;

QPixmap Render(QSvgRenderer& renderer, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

}  // namespace

FigureThumbnail::FigureThumbnail(MessageBox& messages, QString folder)
    : messages_(messages), folder_(std::move(folder)) {}

void FigureThumbnail::SetPictureBoxes(QLabel* source, QLabel* target) {
    source_ = source;
    target_ = target;
}

QSize FigureThumbnail::KeepTargetSizeAsLimit() {
    maxWidth_ = target_->width();
    maxHeight_ = target_->height();
    return {maxWidth_, maxHeight_};
}

double FigureThumbnail::FitScale(double sourceWidth, double sourceHeight, double maxWidth,
                                 double maxHeight) {
    if (maxWidth == 0) return 0;
    if (maxWidth >= sourceWidth && maxHeight >= sourceHeight) return 1;
    const double scale = 1 / std::max(sourceWidth / maxWidth, sourceHeight / maxHeight);
    return std::isfinite(scale) && scale > 0 ? scale : 0;
}

FigureThumbnail::Preview FigureThumbnail::ShowFigure(const QString& fileName, bool fade) {
    const QString path = QDir(folder_).filePath(fileName);
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        messages_.Critical(
            target_ ? target_->window() : nullptr,
            QStringLiteral("図のファイルを読み込めません。\n") + QDir::toNativeSeparators(path));
        return {};
    }
    const QSize natural = renderer.defaultSize();
    source_->setPixmap(Render(renderer, natural));
    source_->resize(natural);

    Preview preview{natural.width(), natural.height(), 0};
    target_->clear();
    preview.scale = FitScale(preview.width, preview.height, maxWidth_, maxHeight_);
    if (preview.scale == 0) return preview;

    const QSize drawn(static_cast<int>(preview.width * preview.scale),
                      static_cast<int>(preview.height * preview.scale));
    if (fade) {
        for (int level = 0; level < kOpaque; level += kFadeStep) Draw(renderer, drawn, level);
    }
    Draw(renderer, drawn, kOpaque);
    return preview;
}

// Draws the figure at `size` darkened to `greyLevel` (255: as it is).
void FigureThumbnail::Draw(QSvgRenderer& renderer, QSize size, int greyLevel) {
    QPixmap pixmap = Render(renderer, size);
    if (greyLevel < kOpaque) {
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.fillRect(pixmap.rect(), QColor(greyLevel, greyLevel, greyLevel));
    }
    target_->setPixmap(pixmap);
    target_->repaint();
}

}  // namespace nubera::widgets

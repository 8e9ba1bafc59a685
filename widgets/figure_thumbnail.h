#pragma once

#include <QPointer>
#include <QSize>
#include <QString>

class QLabel;
class QSvgRenderer;

namespace nubera::widgets {

class MessageBox;

// Loads an explanatory figure (an SVG file of the application folder) into a
// source picture box at its natural size and draws it into a target picture
// box, scaled down to fit but never enlarged. Screens call SetPictureBoxes,
// then KeepTargetSizeAsLimit, then ShowFigure, and size the target to the
// source's size times the returned scale.
class FigureThumbnail {
  public:
    struct Preview {
        int width = 0;     // the source after loading, pixels
        int height = 0;    // pixels
        double scale = 0;  // the factor applied; 0 when nothing was drawn
    };

    // `folder` is where the figures are looked for (the application folder).
    FigureThumbnail(MessageBox& messages, QString folder);

    void SetPictureBoxes(QLabel* source, QLabel* target);

    // The target's current size, kept as the largest size a figure may take.
    QSize KeepTargetSizeAsLimit();

    // Loads folder/fileName into the source and draws it into the target. A
    // missing or unreadable file is reported (critical icon) and gives scale 0.
    // With `fade` the figure fades in from black.
    Preview ShowFigure(const QString& fileName, bool fade);

    // The fitting rule: 0 when the maximum width is 0 (or the rule cannot be
    // computed); 1 when the picture fits; otherwise the factor that makes the
    // limiting side fit exactly.
    static double FitScale(double sourceWidth, double sourceHeight, double maxWidth,
                           double maxHeight);

  private:
    void Draw(QSvgRenderer& renderer, QSize size, int greyLevel);

    MessageBox& messages_;
    QString folder_;
    QPointer<QLabel> source_;
    QPointer<QLabel> target_;
    int maxWidth_ = 320;
    int maxHeight_ = 240;
};

}  // namespace nubera::widgets

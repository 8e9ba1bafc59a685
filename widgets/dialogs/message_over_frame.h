#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

namespace nubera::widgets {

// A one-shot helper for the input screens: the next window that appears (the
// message box about to be shown) is moved, without resizing, over the centre
// of the given frame, and the mouse pointer is put on its centre, so that a
// drawing beside the frame stays visible. It removes itself after that one
// window. Pointer moves do nothing where the platform forbids them.
class MessageOverFrame : public QObject {
  public:
    // Installs the hook for the next window; a hook still pending is replaced.
    static void Install(QWidget* frame);

    // The frame of a pending hook, or null.
    static QWidget* Pending();

    // Removes a pending hook and returns its frame. Message boxes that are not
    // real windows (the scripted ones of tests) consume the hook this way.
    static QWidget* Take();

    // Top-left corner of a box of `box` size centred over `frame` (screen
    // pixels), halves rounded as the frame's own centre is.
    static QPoint CentredTopLeft(const QRect& frame, const QSize& box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit MessageOverFrame(QWidget* frame);

    QPointer<QWidget> frame_;
};

}  // namespace nubera::widgets

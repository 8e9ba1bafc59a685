#include "widgets/dialogs/message_over_frame.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "widgets/centring.h"

namespace nubera::widgets {
namespace {

MessageOverFrame* pending = nullptr;

void PlaceOverFrame(QWidget* box, const QWidget* frame) {
    const QRect frameRect(frame->mapToGlobal(QPoint(0, 0)), frame->size());
    const QSize boxSize = box->frameGeometry().size();
    const QPoint topLeft = MessageOverFrame::CentredTopLeft(frameRect, boxSize);
    box->move(topLeft);
    PointAtCentre(QRect(topLeft, boxSize));
}

}  // namespace

MessageOverFrame::MessageOverFrame(QWidget* frame) : frame_(frame) {}

void MessageOverFrame::Install(QWidget* frame) {
    Take();
    pending = new MessageOverFrame(frame);
    qApp->installEventFilter(pending);
}

QWidget* MessageOverFrame::Pending() {
    return pending ? pending->frame_.data() : nullptr;
}

QWidget* MessageOverFrame::Take() {
    if (!pending) return nullptr;
    QWidget* frame = pending->frame_;
    qApp->removeEventFilter(pending);
    pending->deleteLater();
    pending = nullptr;
    return frame;
}

QPoint MessageOverFrame::CentredTopLeft(const QRect& frame, const QSize& box) {
    return {RoundToPixel(frame.left() + frame.width() / 2.0 - box.width() / 2.0),
            RoundToPixel(frame.top() + frame.height() / 2.0 - box.height() / 2.0)};
}

bool MessageOverFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow()) return false;
    QPointer<QWidget> box = window;
    QPointer<QWidget> frame = frame_;
    Take();
    // The box settles its size while it is being shown; place it right after.
    QTimer::singleShot(0, box, [box, frame] {
        if (box && frame) PlaceOverFrame(box, frame);
    });
    return false;
}

}  // namespace nubera::widgets

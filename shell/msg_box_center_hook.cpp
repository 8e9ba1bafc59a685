#include "msg_box_center_hook.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "centring.h"

namespace nubera {
namespace {

MsgBoxCenterHook* pendingHook = nullptr;

void PlaceOverFrame(QWidget* box, const QWidget* frame) {
    const QRect frameRect(frame->mapToGlobal(QPoint(0, 0)), frame->size());
    const QSize boxSize = box->frameGeometry().size();
    const QPoint topLeft = MsgBoxCenterHook::CentredTopLeft(frameRect, boxSize);
    box->move(topLeft);
    PointAtCentre(QRect(topLeft, boxSize));
}

}  // namespace

MsgBoxCenterHook::MsgBoxCenterHook(QWidget* frame) : frame_(frame) {}

void MsgBoxCenterHook::Install(QWidget* frame) {
    Take();
    pendingHook = new MsgBoxCenterHook(frame);
    qApp->installEventFilter(pendingHook);
}

QWidget* MsgBoxCenterHook::Pending() {
    return pendingHook ? pendingHook->frame_.data() : nullptr;
}

QWidget* MsgBoxCenterHook::Take() {
    if (!pendingHook) return nullptr;
    QWidget* frame = pendingHook->frame_;
    qApp->removeEventFilter(pendingHook);
    pendingHook->deleteLater();
    pendingHook = nullptr;
    return frame;
}

QPoint MsgBoxCenterHook::CentredTopLeft(const QRect& frame, const QSize& box) {
    return {RoundToPixel(frame.left() + frame.width() / 2.0 - box.width() / 2.0),
            RoundToPixel(frame.top() + frame.height() / 2.0 - box.height() / 2.0)};
}

bool MsgBoxCenterHook::eventFilter(QObject* watched, QEvent* event) {
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

}  // namespace nubera

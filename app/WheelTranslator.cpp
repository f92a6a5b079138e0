#include "app/WheelTranslator.h"

#include "app/AppMessage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

WheelTranslator::WheelTranslator(QObject* parent) : QObject(parent) {}

bool WheelTranslator::eventFilter(QObject* watched, QEvent* event)
{
    // The event reaches the top-level QWindow first and is then forwarded to the widget under
    // the pointer; only the widget delivery is translated, so each turn is seen once.
    if (event->type() != QEvent::Wheel || !watched->isWidgetType())
        return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    const QPoint angle = wheel->angleDelta();
    // Gesture bookends of a touchpad carry no rotation at all; they are not wheel turns.
    if (angle.isNull() && wheel->phase() != Qt::NoScrollPhase)
        return false;

    auto* receiver = static_cast<QWidget*>(watched);
    MessageRecord msg;
    msg.target = receiver;
    const bool horizontalOnly = angle.y() == 0 && angle.x() != 0;
    msg.message = horizontalOnly ? MsgMouseHWheel : MsgMouseWheel;
    msg.wParam = wheelWParam(horizontalOnly ? angle.x() : angle.y());
    const QPoint at = wheel->globalPosition().toPoint();
    msg.lParam = static_cast<qint32>((static_cast<quint32>(at.y() & 0xffff) << 16) | (at.x() & 0xffff));
    bool handled = false;
    AppMessage(msg, handled);
    if (msg.message != MsgKeyDown)
        return false;

    // The key goes where keys go: the focused control, or the widget under the pointer when
    // nothing has the focus.
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = receiver;
    const int key = msg.wParam == VkUp ? Qt::Key_Up : Qt::Key_Down;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    return true;
}

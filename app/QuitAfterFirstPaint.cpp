#include "app/QuitAfterFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

QuitAfterFirstPaint::QuitAfterFirstPaint(QWidget* window, QObject* parent) : QObject(parent), m_window(window) {}

bool QuitAfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_quitting && event->type() == QEvent::Paint && m_window && watched->isWidgetType() &&
        (watched == m_window || m_window->isAncestorOf(static_cast<QWidget*>(watched)))) {
        // Queued, so the rest of this paint pass reaches the screen first.
        m_quitting = true;
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

#include "browse/HotTrackStyle.h"

#include <QStyleOptionTab>
#include <QTabBar>

HotTrackStyle::HotTrackStyle() = default;

QColor HotTrackStyle::hotColor() { return QColor(0, 0, 255); }

void HotTrackStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    // A tab bar learns which tab is under the pointer only from hover events.
    if (qobject_cast<QTabBar*>(widget))
        widget->setAttribute(Qt::WA_Hover);
}

void HotTrackStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element == CE_TabBarTabLabel && (option->state & State_MouseOver) && (option->state & State_Enabled)) {
        if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
            QStyleOptionTab hot(*tab);
            hot.palette.setColor(QPalette::WindowText, hotColor());
            hot.palette.setColor(QPalette::ButtonText, hotColor());
            QProxyStyle::drawControl(element, &hot, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

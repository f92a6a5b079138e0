#include "browse/PopupAlignment.h"

#include <QAbstractItemView>
#include <QComboBox>

void alignPopupRight(QComboBox& box)
{
    QWidget* popup = box.view()->window();
    if (popup == box.window())
        return;
    const int right = box.mapToGlobal(QPoint(box.width(), 0)).x();
    if (popup->width() > box.width())
        popup->move(right - popup->width(), popup->y());
}

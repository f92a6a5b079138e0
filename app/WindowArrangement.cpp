#include "app/WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QList<QMdiSubWindow*> tileable(QMdiArea& area)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible() && !w->isMinimized())
            windows << w;
    return windows;
}

// Splits `total` pixels into `count` bands; the last band takes the remainder.
void placeBands(QMdiArea& area, bool stacked)
{
    const QList<QMdiSubWindow*> windows = tileable(area);
    if (windows.isEmpty())
        return;
    const QRect room = area.viewport()->rect();
    const int count = int(windows.size());
    const int total = stacked ? room.height() : room.width();
    const int band = total / count;
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* w = windows[i];
        if (w->isMaximized())
            w->showNormal();
        const int start = i * band;
        const int size = i == count - 1 ? total - start : band;
        w->setGeometry(stacked ? QRect(0, start, room.width(), size) : QRect(start, 0, size, room.height()));
    }
}

} // namespace

void tileHorizontally(QMdiArea& area)
{
    placeBands(area, true);
}

void tileVertically(QMdiArea& area)
{
    placeBands(area, false);
}

void minimizeAll(QMdiArea& area)
{
    for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder))
        w->showMinimized();
}

void arrangeIcons(QMdiArea& area)
{
    const QRect room = area.viewport()->rect();
    int x = 0;
    int bottom = room.height();
    for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized())
            continue;
        const QSize size = w->size();
        if (x > 0 && x + size.width() > room.width()) {
            x = 0;
            bottom -= size.height();
        }
        w->move(x, bottom - size.height());
        x += size.width();
    }
}

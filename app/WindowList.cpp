#include "app/WindowList.h"

#include "browse/HandlerGuard.h"
#include "panes/WindowPlace.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>


QList<QMdiSubWindow*> WindowList::listed()
{
    // A window being destroyed is still counted by the area while its end is told: it is
    // known by its address and never touched again.
    const QList<QMdiSubWindow*> counted = m_area.subWindowList(QMdiArea::CreationOrder);
    m_gone.removeIf([&counted](QMdiSubWindow* w) { return !counted.contains(w); });
    m_watched.removeIf([&counted](QMdiSubWindow* w) { return !counted.contains(w); });
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : counted) {
        if (m_gone.contains(window))
            continue;
        if (!m_watched.contains(window)) {
            m_watched << window;
            watch(window);
        }
        if (window->widget() && !window->isHidden())
            windows << window;
    }
    return windows;
}

QString windowListText(int n, const QString& title)
{
    QString escaped = title;
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    return (n <= 9 ? QStringLiteral("&%1 ").arg(n) : QStringLiteral("%1 ").arg(n)) + escaped;
}

WindowList::WindowList(QMenu& menu, QMdiArea& area, QObject* parent)
    : QObject(parent), m_menu(menu), m_area(area), m_separator(menu.addSeparator())
{
    setObjectName(QStringLiteral("WindowList"));
    m_separator->setObjectName(QStringLiteral("WindowListDivider"));
    // A window opened is activated; one opened while the frame is not active shows up when
    // the menu does.
    connect(&area, &QMdiArea::subWindowActivated, this, guardedSlot([this](QMdiSubWindow* window) {
        // Nothing is active while the frame is not; the list keeps its current window then.
        if (window)
            refresh();
    }));
    connect(&menu, &QMenu::aboutToShow, this, guardedSlot([this] { refresh(); }));
    refresh();
}

void WindowList::refresh()
{
    m_windows.clear();
    for (QMdiSubWindow* window : listed())
        m_windows << window;
    // Entries are kept and reused; those no longer needed go (once a trigger in them is over).
    while (m_entries.size() > m_windows.size()) {
        QAction* entry = m_entries.takeLast();
        m_menu.removeAction(entry);
        entry->deleteLater();
    }
    while (m_entries.size() < m_windows.size()) {
        const int i = int(m_entries.size());
        auto* entry = new QAction(&m_menu);
        entry->setObjectName(QStringLiteral("WindowListItem%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, guardedSlot([this, i] { choose(i); }));
        m_menu.addAction(entry);
        m_entries << entry;
    }
    QMdiSubWindow* current = m_area.currentSubWindow();
    // Only the current window's entry carries a mark; the others show none, not an empty box.
    for (int i = 0; i < m_entries.size(); ++i) {
        m_entries[i]->setCheckable(m_windows[i] == current);
        m_entries[i]->setChecked(m_windows[i] == current);
    }
    m_separator->setVisible(!m_entries.isEmpty());
    retitle();
}

void WindowList::choose(int i)
{
    QMdiSubWindow* window = m_windows.value(i);
    if (window) {
        m_area.setActiveSubWindow(window);
        if (window->isMinimized())
            window->showNormal();
    }
    // The check follows the active window, not the click.
    refresh();
}

void WindowList::watch(QMdiSubWindow* window)
{
    // The area may be going too (the frame's end): the list looks again once the event loop
    // is back, which it never is for a list gone with its frame.
    connect(window, &QObject::destroyed, this, guardedSlot([this, window] {
        m_gone << window;
        QMetaObject::invokeMethod(this, guardedSlot([this] { refresh(); }), Qt::QueuedConnection);
    }));
    connect(window, &QWidget::windowTitleChanged, this, guardedSlot([this] { retitle(); }));
    if (WindowPlace* place = WindowPlace::of(window->widget()))
        connect(place, &WindowPlace::moved, this, guardedSlot([this] { retitle(); }));
}

void WindowList::retitle()
{
    for (int i = 0; i < m_entries.size(); ++i) {
        QMdiSubWindow* window = m_windows[i];
        if (window && window->widget())
            m_entries[i]->setText(windowListText(i + 1, placeTitle(*window->widget())));
    }
}

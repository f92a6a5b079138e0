#pragma once
// The Window menu's list of the open child windows, below its commands: numbered, each with its
// caption and the row it shows ("Monsters — Ice Bear"), the current one checked; choosing one
// activates it. The list follows windows opening, closing, being activated and moving rows.

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

class WindowList : public QObject {
    Q_OBJECT
public:
    /// Lists the area's windows at the end of the menu, after a separator of its own.
    WindowList(QMenu& menu, QMdiArea& area, QObject* parent = nullptr);

    /// Lists the windows anew (it does so itself when a window is activated or destroyed and
    /// when the menu is shown).
    void refresh();

    /// The listed entries, in the menu's order.
    const QList<QAction*>& entries() const { return m_entries; }

private:
    /// The windows to list, in the order they were opened; a new one is watched.
    QList<QMdiSubWindow*> listed();
    void watch(QMdiSubWindow* window);
    /// Activates the window of the i-th entry.
    void choose(int i);
    void retitle();

    QMenu& m_menu;
    QMdiArea& m_area;
    QAction* m_separator;
    QList<QAction*> m_entries;
    QList<QPointer<QMdiSubWindow>> m_windows;  // the window of each entry
    QList<QMdiSubWindow*> m_watched;  // the windows watched, and those being destroyed:
    QList<QMdiSubWindow*> m_gone;     // addresses compared, never followed
};

/// The menu text of the n-th window (from 1): "&n " and its title, an ampersand doubled; from
/// the tenth on without the access key.
QString windowListText(int n, const QString& title);

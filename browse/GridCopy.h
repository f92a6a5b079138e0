#pragma once
// Copying from a data grid: the current row's name, or the whole row as tab-separated text of
// the columns the grid shows (pictures left out). The grid's context menu offers both, after
// the grid's own entries when it has a menu of its own; Ctrl+Insert copies the name.

#include <QObject>
#include <QPointer>
#include <QString>

class DbGrid;
class QAction;
class QMenu;
class QPoint;

class GridCopy : public QObject {
    Q_OBJECT
public:
    /// The grid owns the copy; its menu entries are named CopyNameItem and CopyRowItem.
    explicit GridCopy(DbGrid& grid);

    /// The column that names a row: the first whose heading ends in "name" (the list's "Name",
    /// "Monster Name", "Skil Name"); -1 when none does.
    static int nameColumn(const DbGrid& grid);
    /// The current row's name; empty when there is no row or no name column.
    static QString rowName(const DbGrid& grid);
    /// The current row's values as the grid shows them, in its shown text columns, separated
    /// by tabs; empty when there is no row.
    static QString rowText(const DbGrid& grid);

    /// Adds the copy entries to the grid's own menu, after a separator.
    void addTo(QMenu& menu);
    /// Shows the grid's own menu (or a menu of the copy entries alone) at this point of the
    /// grid's viewport.
    void popUp(QMenu* ownMenu, const QPoint& at);
    /// Copies the name to the clipboard; does nothing without one.
    void copyName();
    void copyRow();

private:
    void enableEntries();

    DbGrid& m_grid;
    QAction* m_copyName;
    QAction* m_copyRow;
    QPointer<QMenu> m_menu; // the menu of the copy entries alone, made when first shown
};

#pragma once
// The misc items window: every item that is no weapon, armor piece or accessory, narrowed by
// category, searched by display name, with the monsters that drop or yield the selected item and
// the materials of its recipes with their sources. Its list shows its own title row and does not
// sort.

#include <QWidget>

class ItemCatalog;
class NavigationHost;
class TDBModule;

class TItemsForm : public QWidget {
    Q_OBJECT
public:
    /// Builds the window, opens its eight queries over db's connection in their declared order
    /// (QueryItems, EtcitemTypeQuery, then the detail queries), then runs FormCreate. Throws
    /// DbError when a query cannot be opened. exeFolder (with its separator) locates the icon
    /// pictures; empty means the running executable's folder.
    TItemsForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr, const QString& exeFolder = QString());

private:
    void FormCreate();

    ItemCatalog* m_catalog;  // QueryItems, EtcitemTypeQuery, the detail queries and the components
};

#pragma once
// The weapons window: every weapon but shields and pet items, narrowed by type, searched by name,
// sortable by its headings, with the monsters that drop the selected weapon and the materials of
// its recipes with their sources.

#include <QWidget>

class ItemCatalog;
class NavigationHost;
class TDBModule;

class TWeaponForm : public QWidget {
    Q_OBJECT
public:
    /// Builds the window, opens its seven queries over db's connection in their declared order
    /// (QueryWeapons, QueryType, then the detail queries), then runs FormCreate. Throws DbError
    /// when a query cannot be opened. exeFolder (with its separator) locates the icon pictures;
    /// empty means the running executable's folder.
    TWeaponForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr, const QString& exeFolder = QString());

private:
    void FormCreate();

    ItemCatalog* m_catalog;  // QueryWeapons, QueryType, the detail queries and the components
};

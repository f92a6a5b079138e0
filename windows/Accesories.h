#pragma once
// The accessories window: necklaces, rings and earrings (no pet items), narrowed by body part,
// searched by name, sortable by its headings, with the monsters that drop the selected piece and
// the materials of its recipes with their sources. Its "clear" button empties the search field
// and selects the first row, as in every other browse window.

#include <QWidget>

class ItemCatalog;
class NavigationHost;
class TDBModule;

class TAcsForm : public QWidget {
    Q_OBJECT
public:
    /// Builds the window, opens its seven queries over db's connection in their declared order
    /// (QueryAcs, AcsTypeQuery, then the detail queries), then runs FormCreate. Throws DbError
    /// when a query cannot be opened. exeFolder (with its separator) locates the icon pictures;
    /// empty means the running executable's folder.
    TAcsForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr, const QString& exeFolder = QString());

private:
    void FormCreate();

    ItemCatalog* m_catalog;  // QueryAcs, AcsTypeQuery, the detail queries and the components
};

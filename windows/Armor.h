#pragma once
// The armor window: the wearable armor pieces (nine body parts, no pet items), narrowed by body
// part, searched by name, sortable by its headings, with the monsters that drop the selected
// piece and the materials of its recipes with their sources.

#include <QWidget>

class ItemCatalog;
class NavigationHost;
class TDBModule;

class TArmorForm : public QWidget {
    Q_OBJECT
public:
    /// Builds the window, opens its seven queries over db's connection in their declared order
    /// (QueryArmor, ArmorTypeQuery, then the detail queries), then runs FormCreate. Throws
    /// DbError when a query cannot be opened. exeFolder (with its separator) locates the icon
    /// pictures; empty means the running executable's folder.
    TArmorForm(NavigationHost& host, TDBModule& db, QWidget* parent = nullptr, const QString& exeFolder = QString());

private:
    void FormCreate();

    ItemCatalog* m_catalog;  // QueryArmor, ArmorTypeQuery, the detail queries and the components
};

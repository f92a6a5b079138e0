#pragma once
// What the item catalogue windows (weapons, armor, accessories, misc items) share beyond their values:
// the list query, its type query and the detail panes, the layout, and the handlers of the
// double-clicks and the after-scroll cascade (tool bars and header strips bring their own).
// A window gives its statements, columns and captions and runs FormCreate.

#include "panes/ItemCatalogLayout.h"
#include "panes/ItemDetailPanes.h"
#include "panes/NavigationHost.h"

#include <QObject>
#include <QString>

#include <memory>

class Connection;
class Dataset;
class NavigationHost;
class UsedInPage;

struct ItemCatalogDefinition {
    ItemCatalogDefinition(WindowKind kind, const QString& listName, const QString& listSql, const QString& typeName,
                          const QString& typeSql, const QString& typePrefix)
        : kind(kind), listName(listName), listSql(listSql), typeName(typeName), typeSql(typeSql),
          typePrefix(typePrefix)
    {
    }

    WindowKind kind;       ///< which item window this is, for its place

    ItemCatalogOptions layout;
    QString listName;      ///< QueryArmor, QueryAcs, QueryItems
    QString listSql;
    QString typeName;      ///< the type list's query
    QString typeSql;
    QString typeField = QStringLiteral("name");  ///< column of the type query the list shows
    QString typePrefix;    ///< "body_part = ", "type = "
    QString keyField = QStringLiteral("name");   ///< quick-find field
    QString nameField = QStringLiteral("name");  ///< the field that names a row (its place)
    ItemDetailPanes::ItemSources sources = ItemDetailPanes::ItemDropsOnly;
    bool ingredientSpoilsFirst = false;  ///< the ingredient spoils open before the ingredient drops
};

class ItemCatalog : public QObject {
    Q_OBJECT
public:
    /// Builds the window's datasets (owned) over connection and its components into form, and
    /// connects the handlers. Nothing is opened yet.
    ItemCatalog(NavigationHost& host, Connection& connection, const ItemCatalogDefinition& definition, QWidget& form);

    /// Opens the queries in the window's declared order: the list, the type query, then the
    /// detail queries (drops, [item spoils,] ingredients, recipe header, ingredient drops and
    /// spoils), then the "Used In" query. Throws DbError when one fails.
    void open();
    /// FormCreate: consumes the item request on the list's "id", then fills the header strips.
    void formCreate();

private:
    void connectHandlers();

    // Handlers.
    void DBGrid1DblClick();
    void ListAfterScroll();
    void ReciepeQueryAfterScroll();

    NavigationHost& m_host;
    QString m_typeField;
    QString m_typePrefix;
    QString m_keyField;
    QString m_nameField;
    bool m_ingredientSpoilsFirst;
    Dataset* m_list;
    Dataset* m_types;
    ItemDetailPanes* m_panes;
    std::unique_ptr<ItemCatalogLayout> m_layout;
    UsedInPage* m_usedIn;
};

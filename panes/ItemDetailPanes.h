#pragma once
// The detail queries of an item window and the cascade that keeps them on the selected item:
// main row -> item drop (and spoil) sources and the recipe ingredients -> the selected
// ingredient's drop and spoil sources and its recipe's header values. Every query is opened
// once with all rows; a change of selection only swaps filter texts.

#include <QList>
#include <QObject>
#include <QString>

class Connection;
class Dataset;

class ItemDetailPanes : public QObject {
    Q_OBJECT
public:
    /// Whether the item page lists spoil sources beside the drop sources (misc items).
    enum ItemSources { ItemDropsOnly, ItemDropsAndSpoils };

    /// Creates the detail datasets (owned) over the connection, which must outlive them.
    ItemDetailPanes(Connection& connection, ItemSources sources, QObject* parent = nullptr);

    Dataset& itemDrops() const;         ///< AlternativeDrops
    Dataset* itemSpoils() const;        ///< AlternativeSpoil of misc items; null otherwise
    Dataset& ingredients() const;       ///< ReciepeQuery
    Dataset& recipeInfo() const;        ///< InfoRecipes
    Dataset& ingredientDrops() const;   ///< AlternativeDrop1
    Dataset& ingredientSpoils() const;  ///< AlternativeSpoil (misc items: AlternativeSpoil1)

    /// Opens the detail datasets in the window's declared order (any left out open last), then
    /// shows the item last passed to showItem(), or none. Throws DbError when one fails.
    void open(const QList<Dataset*>& order);

    /// The main list's after-scroll: shows this item id; an empty id (empty list) empties
    /// every pane. Before open() it only remembers the id.
    void showItem(const QString& itemId);
    /// The ingredient list's after-scroll: shows the sources of the selected material and the
    /// header values of the recipe it belongs to; no ingredient empties them.
    void showIngredient();

    /// "item_id = 'id'", or the fixed "item_id = 0" (no row) for an empty id.
    static QString detailFilter(const QString& id);

private:
    Dataset* m_itemDrops;
    Dataset* m_itemSpoils = nullptr;
    Dataset* m_ingredients;
    Dataset* m_recipeInfo;
    Dataset* m_ingredientDrops;
    Dataset* m_ingredientSpoils;
    QString m_itemId;
    bool m_open = false;
    int m_ingredientRuns = 0;
};

#pragma once
// The "Used In" page: the recipes that take an item as an ingredient, with the quantity one craft
// takes, the rate and the item the recipe makes. A double-click opens a new recipes window on
// that recipe. The item windows show it for the selected item, the recipes window for the
// selected ingredient; the rows of one item are fetched by its key once the page is in view.

#include "browse/StripGridPage.h"

class Connection;
class Dataset;
class NavigationHost;

class UsedInPage : public StripGridPage {
    Q_OBJECT
public:
    /// Creates its query (UsedInQuery, owned) over the connection, which must outlive it, and
    /// the grid over it; exeFolder locates the pictures (empty: the executable's folder). The
    /// host must outlive the page.
    UsedInPage(Connection& connection, NavigationHost& host, const QString& exeFolder, QWidget* parent = nullptr);

    Dataset& recipes() const;

    /// Opens the query and shows the item last passed to showItem(). Throws DbError on failure.
    void open();
    /// Shows the recipes that use this item (an empty id: none) under a caption naming it.
    /// Before open() it only remembers the item.
    void showItem(const QString& itemId, const QString& itemName);
    /// Fills the strip from the grid (FormCreate).
    void fillStrip();

private:
    Dataset* m_recipes;
    QString m_itemId;
    QString m_itemName;
};

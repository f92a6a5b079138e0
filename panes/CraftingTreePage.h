#pragma once
// The "Crafting Tree" page of the recipes window: the selected recipe followed down to its raw
// materials (CraftingTreeView), and under it the totals for a number of crafts the user sets:
// NPC fees, MP, and every raw material with its best source (RawMaterialsView). The plan is
// read from the database when the page is in view (never while it hides behind another page),
// one key at a time; a pick of another recipe for an item holds while the window is open.
// Double-clicks open the recipe of a crafted item, or the best source of a raw material.

#include "crafting/CraftingPlan.h"

#include <QWidget>

class Connection;
class CraftingTreeView;
class NavigationHost;
class QLabel;
class QSpinBox;
class RawMaterialsView;

class CraftingTreePage : public QWidget {
    Q_OBJECT
public:
    /// The connection and the host must outlive the page; exeFolder locates the pictures.
    CraftingTreePage(Connection& connection, NavigationHost& host, const QString& exeFolder, QWidget* parent = nullptr);

    /// Follows this recipe (empty keys: none); read at once when the page is in view, else when
    /// it comes into view.
    void showRecipe(const QString& itemId, const QString& rate);

    CraftingTreeView* tree() const { return m_tree; }
    RawMaterialsView* rawMaterials() const { return m_raw; }
    QSpinBox* craftCount() const { return m_crafts; }
    const CraftingPlan& plan() const { return m_plan; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// Reads the plan and its totals again and shows them. Throws DbError.
    void refresh();
    void pickRecipe(qint64 item, qint64 rate);

    Connection& m_connection;
    NavigationHost& m_host;
    QString m_itemId;
    QString m_rate;
    bool m_stale = false;
    RecipeChoices m_choices;
    CraftingPlan m_plan;

    QLabel* m_title;
    CraftingTreeView* m_tree;
    QSpinBox* m_crafts;
    QLabel* m_fee;
    QLabel* m_mp;
    QLabel* m_rawTitle;
    RawMaterialsView* m_raw;
};

#pragma once
// A crafting plan as a tree: each row an item with its picture, how many the place needs, the
// crafts that make them, the recipe's rate (a choice box where several recipes make the item),
// what the crafts leave over, and a note for raw materials, loops and odd rows.

#include "browse/IconPictureCache.h"

#include <QTreeWidget>

class CraftingPlan;
struct PlanNode;

class CraftingTreeView : public QTreeWidget {
    Q_OBJECT
public:
    // The quantity comes first, as in the ingredient grids; the tree's levels indent the names.
    enum Column { NeededColumn, NameColumn, CraftsColumn, RateColumn, LeftOverColumn, NoteColumn };

    /// exeFolder locates the pictures (empty: the executable's folder).
    explicit CraftingTreeView(const QString& exeFolder, QWidget* parent = nullptr);

    /// Shows the plan, every level unfolded; an empty plan shows nothing.
    void showPlan(const CraftingPlan& plan);

    /// The note a row of this node shows.
    static QString noteOf(const PlanNode& node);

signals:
    /// The user picked another recipe for the item (sent after the pick's own event is over,
    /// so a receiver may rebuild the tree).
    void recipePicked(qint64 item, qint64 rate);
    /// A double-click on a crafted item's row.
    void recipeOpened(qint64 item, qint64 rate);

private:
    QTreeWidgetItem* addRow(const PlanNode& node, QTreeWidgetItem* parent, bool isRoot);

    QString m_exeFolder;
    IconPictureCache m_pictures;
};

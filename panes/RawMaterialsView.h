#pragma once
// The raw materials a crafting plan needs in all, each with its picture, its quantity and its
// best source: the monster with the highest chance of giving it, by drop or by spoil. A
// double-click opens that monster.

#include "browse/IconPictureCache.h"

#include <QTreeWidget>

struct PlanTotals;

class RawMaterialsView : public QTreeWidget {
    Q_OBJECT
public:
    // The picture stands beside the quantity, as in the ingredient grids.
    enum Column { QuantityColumn, NameColumn, SourceColumn, LevelColumn, ChanceColumn, HowColumn, NoteColumn };

    /// exeFolder locates the pictures (empty: the executable's folder).
    explicit RawMaterialsView(const QString& exeFolder, QWidget* parent = nullptr);

    /// One row per raw material of the totals, in their order.
    void showTotals(const PlanTotals& totals);

signals:
    /// A double-click on a raw material that has a source.
    void monsterOpened(const QString& monsterId);

private:
    QString m_exeFolder;
    IconPictureCache m_pictures;
};

#pragma once
// A read-only list of declared columns over a tree widget, for views whose rows are computed
// rather than read from a dataset (a crafting tree, its raw materials): headings in Tahoma 13
// bold, left over a left-aligned column and centred over any other; rows as high as the item
// pictures; whole rows selected, nothing edited.

#include <QString>
#include <QVector>
#include <Qt>

class QFont;
class QTreeWidget;
class QTreeWidgetItem;

struct TreeListColumn {
    QString title;
    int width = 64;
    Qt::Alignment cells = Qt::AlignLeft | Qt::AlignVCenter;
};

/// Declares the tree's columns, its cell font and its hint.
void setUpTreeList(QTreeWidget& tree, const QVector<TreeListColumn>& columns, const QFont& cells, const QString& hint);

/// Gives every cell of the row its column's alignment.
void alignTreeRow(QTreeWidgetItem& row, const QVector<TreeListColumn>& columns);

#include "browse/TreeList.h"

#include "browse/IconCell.h"
#include "browse/UiFont.h"

#include <QHeaderView>
#include <QTreeWidget>

void setUpTreeList(QTreeWidget& tree, const QVector<TreeListColumn>& columns, const QFont& cells, const QString& hint)
{
    tree.setFont(cells);
    tree.header()->setFont(uiFont(kTahoma, 13, true));
    tree.setColumnCount(columns.size());
    for (int c = 0; c < columns.size(); ++c) {
        tree.headerItem()->setText(c, columns[c].title);
        const bool left = columns[c].cells & Qt::AlignLeft;
        tree.headerItem()->setTextAlignment(c, left ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        tree.setColumnWidth(c, columns[c].width);
    }
    tree.setIconSize(QSize(kIconPictureSize, kIconPictureSize));
    tree.setUniformRowHeights(true);
    tree.setSelectionBehavior(QAbstractItemView::SelectRows);
    tree.setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree.setToolTip(hint);
}

void alignTreeRow(QTreeWidgetItem& row, const QVector<TreeListColumn>& columns)
{
    for (int c = 0; c < columns.size(); ++c)
        row.setTextAlignment(c, columns[c].cells);
}

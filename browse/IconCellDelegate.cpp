#include "browse/IconCellDelegate.h"

#include "browse/IconCell.h"

#include <QPainter>

IconCellDelegate::IconCellDelegate(int iconColumn, const QString& exeFolder, QObject* parent)
    : GridCellDelegate(parent), m_iconColumn(iconColumn), m_exeFolder(exeFolder.isEmpty() ? defaultExeFolder() : exeFolder)
{
}

int IconCellDelegate::iconColumn() const { return m_iconColumn; }

QString IconCellDelegate::exeFolder() const { return m_exeFolder; }

bool IconCellDelegate::drawsText(const QModelIndex& index) const { return index.column() != m_iconColumn; }

void IconCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.column() != m_iconColumn) {
        GridCellDelegate::paint(painter, option, index);
        return;
    }
    // The cell state is deliberately ignored: the icon cell stays white even in the selected row.
    painter->save();
    drawIconCell(*painter, option.rect, m_exeFolder, index.data(Qt::DisplayRole).toString(), m_pictures);
    painter->restore();
}

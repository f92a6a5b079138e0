#include "browse/RowWrapLayout.h"

#include <QWidget>

#include <algorithm>

RowWrapLayout::RowWrapLayout(QWidget* parent, int hSpacing, int vSpacing)
    : QLayout(parent), m_hSpacing(hSpacing), m_vSpacing(vSpacing)
{
}

RowWrapLayout::~RowWrapLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void RowWrapLayout::addRowBreak() { m_pendingBreak = true; }

int RowWrapLayout::rowCountForWidth(int width) const
{
    int rows = 0;
    arrange(QRect(0, 0, width, 0), false, &rows);
    return rows;
}

void RowWrapLayout::addItem(QLayoutItem* item)
{
    m_items.append(item);
    m_breakBefore.append(m_pendingBreak && m_items.size() > 1);
    m_pendingBreak = false;
    invalidate();
}

int RowWrapLayout::count() const { return int(m_items.size()); }

QLayoutItem* RowWrapLayout::itemAt(int index) const { return m_items.value(index); }

QLayoutItem* RowWrapLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    m_breakBefore.removeAt(index);
    if (!m_breakBefore.isEmpty())
        m_breakBefore[0] = false;
    QLayoutItem* item = m_items.takeAt(index);
    invalidate();
    return item;
}

Qt::Orientations RowWrapLayout::expandingDirections() const { return {}; }

bool RowWrapLayout::hasHeightForWidth() const { return true; }

int RowWrapLayout::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

QSize RowWrapLayout::minimumSize() const
{
    // The widest single item: below that something would be cut.
    QSize size;
    for (const QLayoutItem* item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize RowWrapLayout::sizeHint() const
{
    // Each requested row on one line.
    int width = 0, rowWidth = 0;
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_breakBefore[i])
            rowWidth = 0;
        rowWidth += (rowWidth > 0 ? m_hSpacing : 0) + m_items[i]->sizeHint().width();
        width = std::max(width, rowWidth);
    }
    const QMargins m = contentsMargins();
    width += m.left() + m.right();
    return QSize(width, heightForWidth(width));
}

void RowWrapLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int RowWrapLayout::arrange(const QRect& rect, bool apply, int* rows) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    // First which items share a row, then their places: items of one row are centred on it.
    struct Row {
        QList<QLayoutItem*> items;
        int height = 0;
    };
    QList<Row> lines;
    int x = area.x();
    for (int i = 0; i < m_items.size(); ++i) {
        QLayoutItem* item = m_items[i];
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        const bool rowStarted = !lines.isEmpty() && !lines.last().items.isEmpty() && x > area.x();
        if (lines.isEmpty() || (rowStarted && (m_breakBefore[i] || x + hint.width() > area.right() + 1))) {
            lines.append(Row());
            x = area.x();
        }
        lines.last().items.append(item);
        lines.last().height = std::max(lines.last().height, hint.height());
        x += hint.width() + m_hSpacing;
    }
    int y = area.y();
    for (int r = 0; r < lines.size(); ++r) {
        if (r > 0)
            y += m_vSpacing;
        int left = area.x();
        for (QLayoutItem* item : lines[r].items) {
            const QSize hint = item->sizeHint();
            if (apply)
                item->setGeometry(QRect(QPoint(left, y + (lines[r].height - hint.height()) / 2), hint));
            left += hint.width() + m_hSpacing;
        }
        y += lines[r].height;
    }
    if (rows)
        *rows = int(lines.size());
    return y - rect.y() + contentsMargins().bottom();
}

#include "browse/GridCopy.h"

#include "browse/DbGrid.h"
#include "browse/HandlerGuard.h"
#include "data/Dataset.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace {
// Row of the dataset the grid shows, or -1.
int currentRow(const DbGrid& grid)
{
    const Dataset* d = grid.dataset();
    if (!d || !d->isOpen() || d->isEmpty())
        return -1;
    const int row = d->recNo();
    return row >= 0 && row < grid.model()->rowCount() ? row : -1;
}

// A value as one cell of a line of tab-separated text.
QString cellText(const DbGrid& grid, int row, int column)
{
    QString text = grid.model()->index(row, column).data(Qt::EditRole).toString();
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}

void toClipboard(const QString& text)
{
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}
} // namespace

GridCopy::GridCopy(DbGrid& grid) : QObject(&grid), m_grid(grid)
{
    // The key is shown, not bound: Ctrl+Insert reaches the grid's own key handling.
    m_copyName = new QAction(QStringLiteral("Copy Name\tCtrl+Ins"), this);
    m_copyName->setObjectName(QStringLiteral("CopyNameItem"));
    m_copyRow = new QAction(QStringLiteral("Copy Row"), this);
    m_copyRow->setObjectName(QStringLiteral("CopyRowItem"));
    connect(m_copyName, &QAction::triggered, this, guardedSlot([this] { copyName(); }));
    connect(m_copyRow, &QAction::triggered, this, guardedSlot([this] { copyRow(); }));
}

int GridCopy::nameColumn(const DbGrid& grid)
{
    const auto& columns = grid.columns();
    for (int i = 0; i < columns.size(); ++i)
        if (!grid.isColumnHidden(i) && i != grid.iconColumn() &&
            columns[i].heading().endsWith(QLatin1String("name"), Qt::CaseInsensitive))
            return i;
    return -1;
}

QString GridCopy::rowName(const DbGrid& grid)
{
    const int row = currentRow(grid);
    const int column = nameColumn(grid);
    return row < 0 || column < 0 ? QString() : cellText(grid, row, column);
}

QString GridCopy::rowText(const DbGrid& grid)
{
    const int row = currentRow(grid);
    if (row < 0)
        return {};
    QStringList cells;
    for (int i = 0; i < grid.columns().size(); ++i)
        if (!grid.isColumnHidden(i) && grid.columnWidth(i) > 0 && i != grid.iconColumn())
            cells << cellText(grid, row, i);
    return cells.join(QLatin1Char('\t'));
}

void GridCopy::addTo(QMenu& menu)
{
    menu.addSeparator();
    menu.addAction(m_copyName);
    menu.addAction(m_copyRow);
}

void GridCopy::popUp(QMenu* ownMenu, const QPoint& at)
{
    QMenu* menu = ownMenu;
    if (!menu) {
        if (!m_menu) {
            m_menu = new QMenu(&m_grid);
            m_menu->setObjectName(QStringLiteral("CopyMenu"));
            m_menu->addAction(m_copyName);
            m_menu->addAction(m_copyRow);
        }
        menu = m_menu;
    }
    enableEntries();
    menu->popup(m_grid.viewport()->mapToGlobal(at));
}

void GridCopy::enableEntries()
{
    m_copyName->setEnabled(!rowName(m_grid).isEmpty());
    m_copyRow->setEnabled(currentRow(m_grid) >= 0);
}

void GridCopy::copyName() { toClipboard(rowName(m_grid)); }
void GridCopy::copyRow() { toClipboard(rowText(m_grid)); }

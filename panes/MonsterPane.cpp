#include "panes/MonsterPane.h"

#include "browse/GridSetup.h"
#include "browse/UiFont.h"

QVector<GridColumn> monsterPaneColumns(bool withItemName, int chanceWidth, int nameWidth, int quantityWidth)
{
    QVector<GridColumn> columns;
    columns.append(gridColumn(QStringLiteral("level"), QStringLiteral("Lvl"), 30));
    columns.append(gridColumn(QStringLiteral("npcnames.name"), QStringLiteral("Monster Name"), nameWidth));
    if (withItemName)
        columns.append(gridColumn(QStringLiteral("itemnames.name"), QStringLiteral("Item Name"), 300));
    columns.append(gridColumn(QStringLiteral("percentage"), QStringLiteral("Chance"), chanceWidth));
    columns.append(gridColumn(QStringLiteral("nrdrops"), QStringLiteral("Quantity"), quantityWidth));
    return columns;
}

void setUpMonsterPane(DbGrid& grid, Dataset& dataset, const QVector<GridColumn>& columns)
{
    setUpStripGrid(grid, dataset, columns, uiFont(kSansSerif, 13), QStringLiteral("Dbl-click to view monster info"));
}

#include "browse/GridSetup.h"

#include "browse/DbGrid.h"
#include "browse/UiFont.h"

DbGrid* titledGrid(const QString& name, const QFont& baseFont, const QVector<GridColumn>& columns, QWidget* parent)
{
    auto* grid = new DbGrid(parent);
    setUpTitledGrid(*grid, name, baseFont, columns);
    return grid;
}

void setUpTitledGrid(DbGrid& grid, const QString& name, const QFont& baseFont, const QVector<GridColumn>& columns)
{
    grid.setObjectName(name);
    grid.setFont(baseFont);
    grid.setBaseFont(baseFont);
    grid.setTitleRow(true);
    grid.setTitleFont(uiFont(kTahoma, 13, true));
    grid.setColumns(columns);
}

void setUpStripGrid(DbGrid& grid, Dataset& dataset, const QVector<GridColumn>& columns, const QFont& font,
                    const QString& hint)
{
    grid.setFont(font);
    grid.setBaseFont(font);
    grid.setTitleRow(false);
    grid.setRowSelect(true);
    grid.setHint(hint);
    grid.setColumns(columns);
    grid.setDataset(dataset);
}

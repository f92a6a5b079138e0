#pragma once
// The two kinds of grid the browse windows declare: a grid with its own title row, and a grid
// under a header strip that stands in for the title row.

#include "browse/GridColumn.h"

#include <QString>
#include <QVector>

class Dataset;
class DbGrid;
class QFont;
class QWidget;

/// A grid named as the design names it, with its own title row in Tahoma 13 bold; baseFont is
/// its cell font and sets its row height.
DbGrid* titledGrid(const QString& name, const QFont& baseFont, const QVector<GridColumn>& columns, QWidget* parent);
/// The same look given to a grid made elsewhere (an editable grid).
void setUpTitledGrid(DbGrid& grid, const QString& name, const QFont& baseFont, const QVector<GridColumn>& columns);

/// Styles a grid under a header strip: no title row, whole-row selection, font for its cells
/// and its row height, the hint; then shows dataset (not owned).
void setUpStripGrid(DbGrid& grid, Dataset& dataset, const QVector<GridColumn>& columns, const QFont& font,
                    const QString& hint);

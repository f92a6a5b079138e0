#pragma once
// The columns of the maintenance window's grids: field, title, width, cell font, title alignment.

#include "browse/GridColumn.h"

#include <QVector>

namespace dbmaintain {

QVector<GridColumn> itemNameColumns();   // DBGrid5
QVector<GridColumn> itemColumns();       // DBGrid4
QVector<GridColumn> weaponColumns();     // DBGrid8
QVector<GridColumn> setColumns();        // DBGrid6
QVector<GridColumn> setPieceColumns();   // DBGrid7
QVector<GridColumn> monsterNameColumns(); // DBGrid1
QVector<GridColumn> monsterColumns();    // DBGrid2
QVector<GridColumn> dropColumns();       // DBGrid3

} // namespace dbmaintain

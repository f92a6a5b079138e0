#pragma once
// The building blocks the maintenance window's pages repeat: a tool bar with "Quick Find", its
// search box and a navigator; and a panel holding a navigator bar over an editable grid, in
// which the grid's pickers lie.

#include "browse/DbNavigator.h"
#include "browse/GridColumn.h"

#include <QString>
#include <QVector>

class Dataset;
class DbLookupPicker;
class EditGrid;
class QLabel;
class QLineEdit;
class QToolBar;
class QWidget;

namespace dbmaintain {

struct FindRow {
    QToolBar* bar = nullptr;
    QLineEdit* search = nullptr;
    DbNavigator* navigator = nullptr;
};

/// "Quick Find" (Tahoma 13 bold), the search box (121 wide, MS Sans Serif 12) and an editing
/// navigator over dataset.
FindRow findRow(const QString& barName, const QString& searchName, const QString& navigatorName, Dataset& dataset,
                QWidget* parent);

struct GridPanel {
    QWidget* panel = nullptr; ///< holds the bar and the grid; pickers lie in it
    QToolBar* bar = nullptr;  ///< null without a navigator
    DbNavigator* navigator = nullptr;
    EditGrid* grid = nullptr;
};

/// A panel with an optional navigator bar (navigatorName empty: none) and under it an editable
/// grid over dataset with its title row in Tahoma 13 bold and cells in MS Sans Serif 13 bold.
GridPanel gridPanel(const QString& gridName, const QString& navigatorName, Dataset& dataset,
                    const QVector<GridColumn>& columns, QWidget* parent,
                    const QVector<DbNavigator::Button>& buttons = DbNavigator::editingButtons());

/// The strip over the pages of a window whose database cannot be edited: says so and why.
QLabel* readOnlyNotice(const QString& why, QWidget* parent);

/// A tool bar holding only a navigator tied to no data.
QToolBar* idleNavigatorBar(const QString& barName, const QString& navigatorName, QWidget* parent);

/// A picker named as the design names it, lying in panel over grid's column of `coveredField`:
/// lists listField of list keyed by keyField and writes the key into rows' dataField.
DbLookupPicker* picker(const QString& name, GridPanel& panel, const QString& coveredField, Dataset& list,
                       const QString& keyField, const QString& listField, Dataset& rows, const QString& dataField);

/// The look of the item pickers: money green (red 192, green 220, blue 192), the list of ten
/// rows and 200 pixels wide, right-aligned under the box.
void itemPickerLook(DbLookupPicker& picker);

} // namespace dbmaintain

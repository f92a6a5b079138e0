#pragma once
// A data grid whose cells edit the rows of its dataset: typing or a double-click edits a cell,
// Insert adds a row, Escape drops the changes, Ctrl+Delete deletes the current row after
// "Delete record?". The row headings show the current row's state. A new row left unchanged is
// dropped when the focus leaves the grid (not when it goes to a picker lying over a cell).

#include "browse/DbGrid.h"

#include <QPointer>
#include <QVector>

class EditGrid : public DbGrid {
    Q_OBJECT
public:
    explicit EditGrid(QWidget* parent = nullptr);

    /// A control that lies over the grid's cells (a picker): focus going to it stays "in" the grid.
    void addCellControl(QWidget* control);
    /// The dataset field shown in a grid column; empty when out of range.
    QString fieldOfColumn(int column) const;

signals:
    /// The focused cell was painted (the grid has the focus, the cell is current): its
    /// rectangle in the viewport's coordinates.
    void focusedCellDrawn(int column, const QRect& cell);
    /// The user left this column for another.
    void columnExited(int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    bool focusStaysInside() const;
    void dropUnchangedNewRow();

    QVector<QPointer<QWidget>> m_cellControls;
};

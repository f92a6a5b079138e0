#pragma once
// Data-aware grid: a table view over one Dataset with declared columns. The grid's current row
// and the dataset's current row are one: moving either moves the other, and the dataset's
// after-scroll handler runs once per change.

#include "browse/GridColumn.h"

#include <QPointer>
#include <QTableView>
#include <QVector>

class Dataset;
class DatasetModel;
class GridCellDelegate;
class GridCopy;
class IconCellDelegate;
class QMenu;

class DbGrid : public QTableView {
    Q_OBJECT
public:
    explicit DbGrid(QWidget* parent = nullptr);
    ~DbGrid() override;

    /// Binds the grid to a dataset (not owned); once the dataset is gone the grid shows no rows
    /// and moves nothing.
    void setDataset(Dataset& dataset);
    Dataset* dataset() const;

    /// Declares the columns, their widths, fonts and alignments.
    void setColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& columns() const;

    /// Shows or hides the grid's own title row.
    void setTitleRow(bool on);
    /// Font of the title row; a column's own title font wins.
    void setTitleFont(const QFont& font);
    /// Whole-row selection (true) or single-cell selection (false).
    void setRowSelect(bool on);
    /// Whether the user may drag column edges in the title row.
    void setColumnResize(bool on);
    /// The grid's base font: it sets the (uniform) row height.
    void setBaseFont(const QFont& font);
    /// Tooltip and status-bar hint of the whole grid.
    void setHint(const QString& hint);

    /// Draws this column as icon cells; the pictures come from exeFolder's images folder
    /// (empty: the running executable's folder).
    void setIconColumn(int column, const QString& exeFolder = QString());
    /// The column drawn as icon cells; -1 when none is.
    int iconColumn() const;

    /// Shows this menu (not owned) where the user right-clicks, with the copy entries added
    /// after a separator; nullptr shows the copy entries alone. A menu serves one grid.
    void setPopupMenu(QMenu* menu);

    /// Row height that shows the base font's text, and whole 32x32 pictures in icon grids.
    static int rowHeightFor(const QFont& baseFont, bool hasIconColumn);

    /// Widens a column whose design width cannot hold `needed` pixels of text in `font` by how
    /// much wider that font draws than its design family; an exact column keeps its width.
    void fitColumn(int column, int needed, const QFont& font);
    /// Makes the grid exactly as wide as its columns, its frame and its scroll bar, so that it
    /// shows every column whole and never scrolls sideways; it follows later fitted widths.
    void setWidthFromColumns(bool on);

    /// Keeps the current position sideways in a whole-row grid: selecting a row never scrolls
    /// it left or right.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    /// Double-click anywhere in the grid, also over an empty grid.
    void dblClick();
    /// A click on a data cell.
    void cellClick(int row, int column);
    /// The grid is being destroyed: views that follow it let go while it is still whole.
    void goingAway();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// Ctrl+Insert copies the current row's name (Ctrl+C belongs to a frame command).
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void followDataset();
    void noteShowing(bool visible);
    void fetchShownRows();
    void currentRowMoved(const QModelIndex& current);
    void applyRowHeight();
    /// Fits the columns to their titles (a grid with its title row) and, once rows are there,
    /// to their usual values.
    void fitColumnsToTitles();
    void fitColumnsToValues();
    void applyWidthFromColumns();
    /// The column a cell-selecting grid starts on: the first that shows text.
    int firstTextColumn() const;

    DatasetModel* m_model;
    QPointer<Dataset> m_dataset;
    QPointer<Dataset> m_showingTo; // the dataset told that this grid shows its rows
    GridCellDelegate* m_textDelegate = nullptr;
    IconCellDelegate* m_iconDelegate = nullptr;
    QPointer<QMenu> m_popupMenu;
    GridCopy* m_copy;
    QFont m_baseFont;
    bool m_syncing = false;
    bool m_valuesFitted = false;
    bool m_widthFromColumns = false;
    QMetaObject::Connection m_currentConnection;
    QMetaObject::Connection m_rowsConnection;
};

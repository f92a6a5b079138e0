#pragma once
// A row of clickable headings over a grid that has no title row of its own. Sections are filled
// once from the grid's columns, have fixed widths, cannot be dragged, and a click on one sorts
// the dataset the grid shows: the strip does that itself, no window handles the clicks.
//
// Each heading stands exactly over its column: the strip's sections take the grid's column
// widths (which already hold the grid's lines), start where the grid's cells start, end where
// its cells end, and follow the grid when it scrolls sideways.

#include <QHeaderView>
#include <QPointer>
#include <QStringList>

class DbGrid;
class QStandardItemModel;

class HeaderStrip : public QHeaderView {
    Q_OBJECT
public:
    /// Whether the first section (over an icon column) sorts or is ignored.
    enum FirstSection { FirstSectionSorts, IgnoreIconSection };

    explicit HeaderStrip(QWidget* parent = nullptr);

    /// Puts the strip over this grid (not owned; the strip forgets it when it is destroyed).
    /// From then on a click on a section sorts the grid's dataset: an ignored icon section does
    /// nothing; otherwise the sort text becomes "f ASC", or "f DESC" when it was exactly "f ASC",
    /// f being the field of the grid column at the section's index. The current row stays.
    void setGrid(DbGrid* grid, FirstSection first = FirstSectionSorts);
    DbGrid* grid() const;

    /// FormCreate's filling: appends one fixed section per column of the grid, with the
    /// column's heading and the width the column takes on the screen.
    void fill();

    /// The sort text that follows the current one for a click on field's heading.
    static QString nextSortText(const QString& current, const QString& field);

    /// The section under the pointer, shown hot; -1 when there is none.
    int hotSection() const;

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    void sortGrid(int section);
    /// The dataset field under a section; empty when there is none.
    QString sortKey(int section) const;
    /// Lines the sections up with the grid's cells: same left and right edges, same scroll.
    void followGrid();
    void setHotSection(int section);

    QStandardItemModel* m_sections;
    QPointer<DbGrid> m_grid;
    QStringList m_keys;
    FirstSection m_first = FirstSectionSorts;
    int m_hot = -1;
    QList<QMetaObject::Connection> m_gridConnections;
};

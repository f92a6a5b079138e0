#pragma once
// A row of clickable headings over a grid that has no title row of its own. Sections are filled
// once from the grid's columns, have fixed widths, cannot be dragged, and a click on one sorts
// the dataset the grid shows: the strip does that itself, no window handles the clicks.

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

    /// FormCreate's filling: appends one section per column of the grid: the column's heading,
    /// its width + 3 for section 0 and + 1 for the others, fixed.
    void fill();

    /// The sort text that follows the current one for a click on field's heading.
    static QString nextSortText(const QString& current, const QString& field);

    QSize sizeHint() const override;

private:
    void sortGrid(int section);
    /// The dataset field under a section; empty when there is none.
    QString sortKey(int section) const;

    QStandardItemModel* m_sections;
    QPointer<DbGrid> m_grid;
    QStringList m_keys;
    FirstSection m_first = FirstSectionSorts;
};

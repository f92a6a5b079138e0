#pragma once
// A row of clickable headings over a grid that has no title row of its own. Sections are filled
// once from the grid's columns, have fixed widths, cannot be dragged, and sort a dataset.

#include <QHeaderView>
#include <QStringList>

class DbGrid;
class Dataset;
class QStandardItemModel;

class HeaderStrip : public QHeaderView {
    Q_OBJECT
public:
    /// Whether the first section (over an icon column) sorts or is ignored.
    enum FirstSection { FirstSectionSorts, IgnoreIconSection };

    explicit HeaderStrip(QWidget* parent = nullptr);

    /// Appends one section per grid column: the column's heading, its width + 3 for section 0
    /// and + 1 for the others, fixed. Remembers each column's field as the section's sort key.
    void fillFrom(const DbGrid& grid, FirstSection first = FirstSectionSorts);

    /// The dataset field under a section; empty when there is none.
    QString sortKey(int section) const;

    /// The click rule: ignored icon section does nothing; otherwise the dataset's sort text
    /// becomes "f ASC", or "f DESC" when it was exactly "f ASC". Keeps the current row.
    void sortBy(Dataset& dataset, int section) const;

    /// The sort text that follows the current one for a click on field's heading.
    static QString nextSortText(const QString& current, const QString& field);

    QSize sizeHint() const override;

private:
    QStandardItemModel* m_sections;
    QStringList m_keys;
    FirstSection m_first = FirstSectionSorts;
};

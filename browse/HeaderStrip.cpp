#include "browse/HeaderStrip.h"

#include "browse/DbGrid.h"
#include "browse/HandlerGuard.h"
#include "data/Dataset.h"

#include <QStandardItemModel>

#include <algorithm>

namespace {
constexpr int kStripHeight = 17;
}

HeaderStrip::HeaderStrip(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), m_sections(new QStandardItemModel(this))
{
    setModel(m_sections);
    setSectionsClickable(true);
    setSectionsMovable(false);
    setHighlightSections(false);
    setStretchLastSection(false);
    setSortIndicatorShown(false);
    setDefaultAlignment(Qt::AlignCenter);
    setSectionResizeMode(QHeaderView::Fixed);
    setFixedHeight(kStripHeight);
    connect(this, &QHeaderView::sectionClicked, this, guardedSlot([this](int section) { sortGrid(section); }));
}

void HeaderStrip::setGrid(DbGrid* grid, FirstSection first)
{
    m_grid = grid;
    m_first = first;
}

DbGrid* HeaderStrip::grid() const { return m_grid; }

void HeaderStrip::fill()
{
    if (!m_grid)
        return;
    const QVector<GridColumn>& columns = m_grid->columns();
    const int start = m_sections->columnCount();
    m_sections->setColumnCount(start + int(columns.size()));
    for (int i = 0; i < columns.size(); ++i) {
        const int section = start + i;
        m_sections->setHeaderData(section, Qt::Horizontal, columns[i].heading());
        m_keys.append(columns[i].field);
        const int width = columns[i].width + (i == 0 ? 3 : 1);
        setMinimumSectionSize(std::min(minimumSectionSize(), width));
        resizeSection(section, width);
    }
    setSectionResizeMode(QHeaderView::Fixed);
}

QString HeaderStrip::sortKey(int section) const { return m_keys.value(section); }

QString HeaderStrip::nextSortText(const QString& current, const QString& field)
{
    const QString ascending = field + QStringLiteral(" ASC");
    return current == ascending ? field + QStringLiteral(" DESC") : ascending;
}

void HeaderStrip::sortGrid(int section)
{
    if (section == 0 && m_first == IgnoreIconSection)
        return;
    Dataset* dataset = m_grid ? m_grid->dataset() : nullptr;
    const QString field = sortKey(section);
    if (!dataset || field.isEmpty())
        return;
    dataset->setSort(nextSortText(dataset->sort(), field));
}

QSize HeaderStrip::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    s.setHeight(kStripHeight);
    return s;
}

#include "browse/HeaderStrip.h"

#include "browse/DbGrid.h"
#include "browse/HandlerGuard.h"
#include "data/Dataset.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>

#include <algorithm>

namespace {
constexpr int kStripHeight = 17;
// How strongly a hot heading is tinted with the selection colour.
constexpr int kHotAlpha = 70;
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
    // Whatever lies beside the grid's cells (its frame, its scroll bar) has no heading over it.
    setBackgroundRole(QPalette::Window);
    viewport()->setMouseTracking(true);
    connect(this, &QHeaderView::sectionClicked, this, guardedSlot([this](int section) { sortGrid(section); }));
}

void HeaderStrip::setGrid(DbGrid* grid, FirstSection first)
{
    for (const QMetaObject::Connection& c : m_gridConnections)
        disconnect(c);
    m_gridConnections.clear();
    if (m_grid) {
        m_grid->removeEventFilter(this);
        m_grid->viewport()->removeEventFilter(this);
    }
    m_grid = grid;
    m_first = first;
    if (m_grid) {
        m_grid->installEventFilter(this);
        m_grid->viewport()->installEventFilter(this);
        m_gridConnections << connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this,
                                     [this] { followGrid(); });
        // Let go while the grid is whole; its parts report their own teardown afterwards.
        m_gridConnections << connect(m_grid, &DbGrid::goingAway, this, [this] { setGrid(nullptr, m_first); });
        // Columns under a strip keep their widths, but a width fitted to the font after the
        // filling still reaches its heading.
        m_gridConnections << connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this,
                                     [this](int column, int, int width) {
                                         if (column < count())
                                             resizeSection(column, width);
                                     });
    }
    followGrid();
}

DbGrid* HeaderStrip::grid() const { return m_grid; }

void HeaderStrip::fill()
{
    if (!m_grid)
        return;
    const QVector<GridColumn> columns = m_grid->columns();
    const int margins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 2;
    for (int i = 0; i < columns.size(); ++i)
        m_grid->fitColumn(i, fontMetrics().horizontalAdvance(columns[i].heading()) + margins, font());
    const int start = m_sections->columnCount();
    m_sections->setColumnCount(start + int(columns.size()));
    for (int i = 0; i < columns.size(); ++i) {
        const int section = start + i;
        m_sections->setHeaderData(section, Qt::Horizontal, columns[i].heading());
        m_keys.append(columns[i].field);
        // The grid's column width already holds its line; the design's extra pixels made up
        // for lines drawn outside the width, and for the grid's frame before the first column,
        // which the strip's margin now stands for.
        const int width = m_grid->columnWidth(i);
        setMinimumSectionSize(std::min(minimumSectionSize(), width));
        resizeSection(section, width);
    }
    setSectionResizeMode(QHeaderView::Fixed);
    followGrid();
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

void HeaderStrip::followGrid()
{
    if (!m_grid) {
        setViewportMargins(0, 0, 0, 0);
        setOffset(0);
        return;
    }
    const QWidget* cells = m_grid->viewport();
    const int left = cells->mapToGlobal(QPoint(0, 0)).x() - mapToGlobal(QPoint(0, 0)).x();
    const int right = width() - (left + cells->width());
    setViewportMargins(std::max(left, 0), 0, std::max(right, 0), 0);
    // A strip that starts left of the cells (it never should) still shows each heading over its
    // column.
    setOffset(m_grid->horizontalScrollBar()->value() - std::min(left, 0));
}

bool HeaderStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (m_grid && (watched == m_grid || watched == m_grid->viewport())) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::LayoutRequest:
            guarded([this] { followGrid(); });
            break;
        default:
            break;
        }
    }
    return QHeaderView::eventFilter(watched, event);
}

void HeaderStrip::resizeEvent(QResizeEvent* event)
{
    QHeaderView::resizeEvent(event);
    guarded([this] { followGrid(); });
}

int HeaderStrip::hotSection() const { return m_hot; }

void HeaderStrip::setHotSection(int section)
{
    if (section == 0 && m_first == IgnoreIconSection)
        section = -1;
    if (section == m_hot)
        return;
    m_hot = section;
    viewport()->update();
}

void HeaderStrip::mouseMoveEvent(QMouseEvent* event)
{
    QHeaderView::mouseMoveEvent(event);
    setHotSection(logicalIndexAt(event->position().toPoint()));
}

void HeaderStrip::leaveEvent(QEvent* event)
{
    QHeaderView::leaveEvent(event);
    setHotSection(-1);
}

bool HeaderStrip::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        setHotSection(-1);
    return QHeaderView::viewportEvent(event);
}

void HeaderStrip::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    QHeaderView::paintSection(painter, rect, logicalIndex);
    if (logicalIndex != m_hot)
        return;
    QColor tint = palette().color(QPalette::Highlight);
    tint.setAlpha(kHotAlpha);
    painter->fillRect(rect.adjusted(1, 1, -1, -1), tint);
}

QSize HeaderStrip::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    s.setHeight(kStripHeight);
    return s;
}

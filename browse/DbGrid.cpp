#include "browse/DbGrid.h"

#include "browse/ColumnFit.h"
#include "browse/DatasetModel.h"
#include "browse/GridCellDelegate.h"
#include "browse/GridCopy.h"
#include "browse/HandlerGuard.h"
#include "browse/IconCell.h"
#include "browse/IconCellDelegate.h"
#include "data/Dataset.h"
#include "data/DbError.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {
// Rows measured for a column's usual values: enough to know them, few enough to stay cheap.
constexpr int kMeasuredRows = 200;
}

DbGrid::DbGrid(QWidget* parent) : QTableView(parent), m_model(new DatasetModel(this)), m_copy(new GridCopy(*this))
{
    setModel(m_model);
    m_textDelegate = new GridCellDelegate(this);
    setItemDelegate(m_textDelegate);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    // The header's font-derived minimum would widen narrow columns (an icon column under a tall font).
    horizontalHeader()->setMinimumSectionSize(1);
    // Uniform row heights keep scrolling of long lists cheap: no per-row measuring.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setColumnResize(false);

    // The selection stays visible when the grid has no focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);

    m_baseFont = font();
    applyRowHeight();

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            guardedSlot([this](const QModelIndex& current, const QModelIndex&) { currentRowMoved(current); }));
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            guardedSlot([this](const QPoint& at) { m_copy->popUp(m_popupMenu, at); }));
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit cellClick(index.row(), index.column()); });
}

DbGrid::~DbGrid()
{
    emit goingAway();
    noteShowing(false);
}

void DbGrid::setDataset(Dataset& dataset)
{
    disconnect(m_currentConnection);
    disconnect(m_rowsConnection);
    noteShowing(false);
    m_dataset = &dataset;
    noteShowing(isVisible());
    // The model connects first, so it has reset before the grid re-reads the current row.
    m_model->setDataset(&dataset);
    m_rowsConnection = connect(&dataset, &Dataset::rowsChanged, this, guardedSlot([this] { followDataset(); }));
    m_currentConnection = connect(&dataset, &Dataset::currentChanged, this, guardedSlot([this] { followDataset(); }));
    followDataset();
}

Dataset* DbGrid::dataset() const { return m_dataset; }

void DbGrid::setColumns(const QVector<GridColumn>& columns)
{
    m_model->setColumns(columns);
    for (int i = 0; i < columns.size(); ++i)
        setColumnWidth(i, columns[i].width);
    m_valuesFitted = false;
    fitColumnsToTitles();
    applyWidthFromColumns();
    followDataset();
}

const QVector<GridColumn>& DbGrid::columns() const { return m_model->columns(); }

void DbGrid::setTitleRow(bool on)
{
    horizontalHeader()->setVisible(on);
    fitColumnsToTitles();
}

void DbGrid::setTitleFont(const QFont& font)
{
    horizontalHeader()->setFont(font);
    fitColumnsToTitles();
}

void DbGrid::setRowSelect(bool on)
{
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void DbGrid::setColumnResize(bool on)
{
    horizontalHeader()->setSectionResizeMode(on ? QHeaderView::Interactive : QHeaderView::Fixed);
    horizontalHeader()->setSectionsMovable(false);
}

void DbGrid::setBaseFont(const QFont& font)
{
    m_baseFont = font;
    applyRowHeight();
}

void DbGrid::setHint(const QString& hint)
{
    // Cells have no hints of their own, so tooltip and status tip come from the viewport.
    setToolTip(hint);
    setStatusTip(hint);
    viewport()->setToolTip(hint);
    viewport()->setStatusTip(hint);
}

void DbGrid::setIconColumn(int column, const QString& exeFolder)
{
    delete m_iconDelegate;
    m_iconDelegate = new IconCellDelegate(column, exeFolder, this);
    setItemDelegate(m_iconDelegate);
    applyRowHeight();
    if (!currentIndex().isValid() || currentIndex().column() == column)
        followDataset();
}

int DbGrid::iconColumn() const { return m_iconDelegate ? m_iconDelegate->iconColumn() : -1; }

void DbGrid::fitColumn(int column, int needed, const QFont& font)
{
    const QVector<GridColumn>& declared = columns();
    if (column < 0 || column >= declared.size())
        return;
    const int width = fittedWidth(declared[column].width, needed, substituteRatio(font), declared[column].exactWidth);
    if (width > columnWidth(column)) {
        setColumnWidth(column, width);
        applyWidthFromColumns();
    }
}

void DbGrid::fitColumnsToTitles()
{
    if (horizontalHeader()->isHidden())
        return;
    const QVector<GridColumn>& declared = columns();
    const int margins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 2;
    for (int i = 0; i < declared.size(); ++i) {
        const QFont font = declared[i].titleFont.value_or(horizontalHeader()->font());
        fitColumn(i, QFontMetrics(font).horizontalAdvance(declared[i].heading()) + margins, font);
    }
}

void DbGrid::fitColumnsToValues()
{
    const int rows = m_model->rowCount();
    if (m_valuesFitted || rows == 0)
        return;
    m_valuesFitted = true;
    const QVector<GridColumn>& declared = columns();
    const int step = std::max(1, rows / kMeasuredRows);
    for (int i = 0; i < declared.size(); ++i) {
        if (m_iconDelegate && m_iconDelegate->iconColumn() == i)
            continue;
        const QFont font = declared[i].font.value_or(this->font());
        const QFontMetrics metrics(font);
        QList<int> widths;
        for (int row = 0; row < rows; row += step)
            widths.append(metrics.horizontalAdvance(m_model->index(row, i).data().toString()));
        fitColumn(i, usualWidth(widths) + GridCellDelegate::textInsets(), font);
    }
}

void DbGrid::setWidthFromColumns(bool on)
{
    m_widthFromColumns = on;
    applyWidthFromColumns();
}

void DbGrid::applyWidthFromColumns()
{
    if (!m_widthFromColumns)
        return;
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int i = 0; i < m_model->columnCount(); ++i)
        width += columnWidth(i);
    setFixedWidth(width);
}

int DbGrid::firstTextColumn() const
{
    const int columns = m_model->columnCount();
    for (int i = 0; i < columns; ++i)
        if (!m_iconDelegate || m_iconDelegate->iconColumn() != i)
            return i;
    return 0;
}

void DbGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (selectionBehavior() != SelectRows) {
        QTableView::scrollTo(index, hint);
        return;
    }
    QScrollBar* sideways = horizontalScrollBar();
    const int kept = sideways->value();
    QTableView::scrollTo(index, hint);
    sideways->setValue(kept);
}


int DbGrid::rowHeightFor(const QFont& baseFont, bool hasIconColumn)
{
    const int textHeight = QFontMetrics(baseFont).height() + 3;
    return hasIconColumn ? std::max(textHeight, kIconPictureSize + 2) : textHeight;
}

void DbGrid::applyRowHeight()
{
    verticalHeader()->setDefaultSectionSize(rowHeightFor(m_baseFont, m_iconDelegate != nullptr));
}

void DbGrid::followDataset()
{
    if (!m_dataset || m_syncing)
        return;
    // A dataset that waits with its rows fetches them once a grid shows them; fetching resets
    // the model and comes back here.
    if (isVisible() && m_dataset->rowsPending()) {
        fetchShownRows();
        return;
    }
    m_syncing = true;
    fitColumnsToValues();
    const int row = m_dataset->isOpen() ? m_dataset->recNo() : -1;
    if (row < 0 || row >= m_model->rowCount()) {
        selectionModel()->clear();
    } else {
        // A grid that selects single cells starts on a cell that shows its highlight.
        const bool onText = currentIndex().isValid() && (!m_iconDelegate || currentIndex().column() != m_iconDelegate->iconColumn());
        const int column = onText || selectionBehavior() == SelectRows ? std::max(currentIndex().column(), 0) : firstTextColumn();
        const QModelIndex target = m_model->index(row, std::min(column, std::max(m_model->columnCount() - 1, 0)));
        if (target.isValid()) {
            selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                          (selectionBehavior() == SelectRows ? QItemSelectionModel::Rows
                                                                                             : QItemSelectionModel::NoUpdate));
            scrollTo(target);
        }
    }
    m_syncing = false;
}

void DbGrid::currentRowMoved(const QModelIndex& current)
{
    if (m_syncing || !m_dataset || !current.isValid() || !m_dataset->isOpen())
        return;
    if (m_dataset->recNo() == current.row())
        return;
    m_syncing = true;
    const bool moved = guarded([&] { m_dataset->moveTo(current.row()); });
    m_syncing = false;
    // A failed move (its after-scroll threw) is reported; the grid shows where the dataset stands.
    if (!moved)
        followDataset();
}

void DbGrid::setPopupMenu(QMenu* menu)
{
    m_popupMenu = menu;
    if (menu)
        m_copy->addTo(*menu);
}

void DbGrid::showEvent(QShowEvent* event)
{
    QTableView::showEvent(event);
    noteShowing(true);
    followDataset();
}

void DbGrid::hideEvent(QHideEvent* event)
{
    QTableView::hideEvent(event);
    noteShowing(false);
}

void DbGrid::fetchShownRows()
{
    // The show or the reset that asked for the rows must not be torn by a failing fetch: the
    // failure is thrown again from the event loop, where the application reports it, and the
    // rows stay pending for the next look.
    try {
        m_dataset->fetchRows();
    } catch (const DbError& e) {
        const QString message = e.message();
        QMetaObject::invokeMethod(this, [message] { throw DbError(message); }, Qt::QueuedConnection);
    }
}

void DbGrid::noteShowing(bool visible)
{
    // While visible the grid reads whatever rows its dataset gets, so they need not wait.
    Dataset* target = visible ? m_dataset : nullptr;
    if (m_showingTo == target)
        return;
    if (m_showingTo)
        m_showingTo->setViewShowing(false);
    m_showingTo = target;
    if (m_showingTo)
        m_showingTo->setViewShowing(true);
}

void DbGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit dblClick();
}

void DbGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        guarded([this] { m_copy->copyName(); });
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DbGrid::wheelEvent(QWheelEvent* event)
{
    // A vertical wheel step moves the current row by one, like the arrow key the frame turns
    // wheel messages into; the horizontal wheel keeps scrolling.
    const QPoint delta = event->angleDelta();
    if (delta.y() == 0 && delta.x() != 0) {
        QTableView::wheelEvent(event);
        return;
    }
    QKeyEvent key(QEvent::KeyPress, delta.y() > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
    keyPressEvent(&key);
    event->accept();
}

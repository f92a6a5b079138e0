#include "browse/EditGrid.h"

#include "browse/DatasetModel.h"
#include "browse/DeleteConfirmation.h"
#include "browse/HandlerGuard.h"
#include "data/Dataset.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

EditGrid::EditGrid(QWidget* parent) : DbGrid(parent)
{
    if (auto* m = qobject_cast<DatasetModel*>(model()))
        m->setEditable(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setRowSelect(false);
    setTabKeyNavigation(true);
    setColumnResize(true);
    // The indicator column: the row headings carry the current row's state.
    verticalHeader()->show();
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setMinimumWidth(14);
}

void EditGrid::addCellControl(QWidget* control)
{
    m_cellControls << control;
}

QString EditGrid::fieldOfColumn(int column) const
{
    return column >= 0 && column < columns().size() ? columns()[column].field : QString();
}

bool EditGrid::focusStaysInside() const
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return false;
    if (isAncestorOf(focus))
        return true;
    for (const QPointer<QWidget>& c : m_cellControls)
        if (c && (c == focus || c->isAncestorOf(focus)))
            return true;
    return false;
}

void EditGrid::dropUnchangedNewRow()
{
    Dataset* d = dataset();
    if (d && d->isOpen() && d->state() == DatasetState::Insert && !d->modified())
        d->cancel();
}

void EditGrid::keyPressEvent(QKeyEvent* event)
{
    // An edit grid works on cells: its copy key copies the current cell, as item views do.
    if (event->matches(QKeySequence::Copy)) {
        QTableView::keyPressEvent(event);
        return;
    }
    Dataset* d = dataset();
    const bool editingCell = state() == QAbstractItemView::EditingState;
    // A read-only copy offers no row to insert or delete; the keys do what a browse grid does.
    if (d && d->isOpen() && !editingCell && !d->readOnly()) {
        const bool handled = [&] {
            if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
                guarded([&] {
                    if (!d->isEmpty() && confirmDelete(this))
                        d->deleteRecord();
                });
                return true;
            }
            if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
                guarded([&] { d->insert(); });
                return true;
            }
            if (event->key() == Qt::Key_Escape && d->state() != DatasetState::Browse) {
                guarded([&] { d->cancel(); });
                return true;
            }
            return false;
        }();
        if (handled) {
            event->accept();
            return;
        }
    }
    DbGrid::keyPressEvent(event);
}

void EditGrid::focusOutEvent(QFocusEvent* event)
{
    DbGrid::focusOutEvent(event);
    // The focus moves after this event: look once it has arrived.
    QMetaObject::invokeMethod(this, [this] {
        if (!hasFocus() && !focusStaysInside())
            guarded([this] { dropUnchangedNewRow(); });
    }, Qt::QueuedConnection);
}

void EditGrid::paintEvent(QPaintEvent* event)
{
    DbGrid::paintEvent(event);
    const QModelIndex current = currentIndex();
    if (hasFocus() && current.isValid())
        emit focusedCellDrawn(current.column(), visualRect(current));
}

void EditGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    DbGrid::currentChanged(current, previous);
    if (previous.isValid() && (!current.isValid() || current.column() != previous.column()))
        emit columnExited(previous.column());
    // The focused cell moved: its picker follows at the next paint.
    viewport()->update();
}

#include "browse/GridCellDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int kLeftInset = 2;
// The inset plus the grid line at the cell's right edge.
constexpr int kRightInset = 3;
}

GridCellDelegate::GridCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QRect GridCellDelegate::textRoom(const QRect& cell) { return cell.adjusted(kLeftInset, 0, -kRightInset, 0); }

int GridCellDelegate::textInsets() { return kLeftInset + kRightInset; }

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Active
                                                                             : QPalette::Inactive;
    const QRect room = textRoom(opt.rect);
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                   : QPalette::Text));
    painter->setClipRect(opt.rect);
    painter->drawText(room, int(opt.displayAlignment) | Qt::TextSingleLine,
                      opt.fontMetrics.elidedText(text, Qt::ElideRight, room.width()));
    painter->restore();
}

bool GridCellDelegate::drawsText(const QModelIndex&) const { return true; }

bool GridCellDelegate::cutsText(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!drawsText(index))
        return false;
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    return opt.fontMetrics.horizontalAdvance(opt.text) > textRoom(opt.rect).width();
}

bool GridCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                 const QModelIndex& index)
{
    if (event->type() == QEvent::ToolTip && index.isValid() && view && cutsText(option, index)) {
        // A value too long even to hand to the cell has its own tooltip; any other shows whole.
        QString whole = index.data(Qt::ToolTipRole).toString();
        if (whole.isEmpty())
            whole = index.data(Qt::DisplayRole).toString();
        QToolTip::showText(event->globalPos(), whole, view->viewport(), option.rect);
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

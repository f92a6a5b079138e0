#pragma once
// Draws the rows of the search's result list: a heading with the kind's command picture and its
// number of hits, a hit with its picture, name and level or grade, "n more...", a line of news.

#include "browse/IconPictureCache.h"

#include <QStyledItemDelegate>

class SearchResultDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    /// Height of a row of this type (SearchResultsModel::RowType).
    static int rowHeight(int type);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void paintHeading(QPainter& p, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintHit(QPainter& p, const QStyleOptionViewItem& option, const QModelIndex& index) const;

    mutable IconPictureCache m_pictures{qint64(4) << 20};
};

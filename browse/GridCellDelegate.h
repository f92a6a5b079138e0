#pragma once
// How a grid draws its text cells: the value in the column's font and alignment, inset by the
// platform's two pixels, cut with "…" where the cell is too narrow; a cut value shows whole in
// its tooltip, an uncut one leaves the grid's hint.

#include <QStyledItemDelegate>

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridCellDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    /// The part of a cell its text may take: inside the insets and the grid line.
    static QRect textRoom(const QRect& cell);
    /// Pixels of a column that its text cannot take.
    static int textInsets();
    /// Whether a cell of this rectangle cuts the index's text.
    bool cutsText(const QStyleOptionViewItem& option, const QModelIndex& index) const;

protected:
    /// Whether the cell shows its value as text (a picture cell does not).
    virtual bool drawsText(const QModelIndex& index) const;
};

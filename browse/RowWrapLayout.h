#pragma once
// Lays its items out left to right in rows. A row ends where the caller asked for a break, or
// earlier where the next item would not fit the width, so nothing is ever cut off or hidden:
// a narrow window gets more rows.

#include <QLayout>
#include <QList>

class RowWrapLayout : public QLayout {
    Q_OBJECT
public:
    /// hSpacing separates items within a row, vSpacing the rows.
    explicit RowWrapLayout(QWidget* parent = nullptr, int hSpacing = 8, int vSpacing = 3);
    ~RowWrapLayout() override;

    /// The next item added starts a new row.
    void addRowBreak();
    /// Rows the items take at this width (margins included).
    int rowCountForWidth(int width) const;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    /// Places the items in rect (when apply) and returns the height used; rows counts the rows.
    int arrange(const QRect& rect, bool apply, int* rows = nullptr) const;

    QList<QLayoutItem*> m_items;
    QList<bool> m_breakBefore;
    bool m_pendingBreak = false;
    int m_hSpacing;
    int m_vSpacing;
};

#pragma once
// Cell drawing of a grid with an icon column: that column draws the row's picture, every other
// column draws its text as usual.

#include "browse/IconPictureCache.h"

#include "browse/GridCellDelegate.h"

class IconCellDelegate : public GridCellDelegate {
    Q_OBJECT
public:
    /// iconColumn is a column position (not a field name). exeFolder ends with its separator;
    /// empty means the running executable's folder.
    explicit IconCellDelegate(int iconColumn, const QString& exeFolder = QString(), QObject* parent = nullptr);

    int iconColumn() const;
    QString exeFolder() const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool drawsText(const QModelIndex& index) const override;

private:
    int m_iconColumn;
    QString m_exeFolder;
    // Painting is const to Qt; the cache is not part of what the delegate shows.
    mutable IconPictureCache m_pictures;
};

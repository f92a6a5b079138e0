#include "app/SearchResultDelegate.h"

#include "app/SearchLists.h"
#include "app/SearchResultsModel.h"
#include "app/ToolPictures.h"
#include "browse/IconCell.h"

#include <QPainter>

namespace {
constexpr int kMargin = 6;
constexpr int kPictureCell = 34;
constexpr int kHeadingPicture = 18;

// The kinds whose rows name a picture of their own; the others leave its place empty.
bool hasPictures(WindowKind kind)
{
    return kind != WindowKind::Monsters && kind != WindowKind::Sets && kind != WindowKind::Quests;
}

QColor quiet(const QStyleOptionViewItem& option, bool selected)
{
    QColor c = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    c.setAlphaF(0.6f);
    return c;
}

QFont withPixelSize(QFont f, int size, bool bold = false, bool italic = false)
{
    f.setPixelSize(size);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}
} // namespace

int SearchResultDelegate::rowHeight(int type)
{
    switch (type) {
    case SearchResultsModel::Heading: return 24;
    case SearchResultsModel::Hit: return kPictureCell + 4;
    case SearchResultsModel::More: return 22;
    default: return 30;
    }
}

QSize SearchResultDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    return QSize(100, rowHeight(index.data(SearchResultsModel::TypeRole).toInt()));
}

void SearchResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QPainter& p = *painter;
    p.save();
    const int type = index.data(SearchResultsModel::TypeRole).toInt();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QRect r = option.rect;
    switch (type) {
    case SearchResultsModel::Heading:
        paintHeading(p, option, index);
        break;
    case SearchResultsModel::Hit:
        paintHit(p, option, index);
        break;
    case SearchResultsModel::More: {
        p.fillRect(r, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
        p.setFont(withPixelSize(option.font, 12, false, true));
        p.setPen(quiet(option, selected));
        const QRect text = r.adjusted(kMargin + kPictureCell + kMargin, 0, -kMargin, 0);
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
        break;
    }
    default:
        p.fillRect(r, option.palette.color(QPalette::Base));
        p.setFont(withPixelSize(option.font, 13, false, true));
        p.setPen(quiet(option, false));
        p.drawText(r.adjusted(kMargin * 2, 0, -kMargin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, r.width() - 3 * kMargin));
        break;
    }
    p.restore();
}

void SearchResultDelegate::paintHeading(QPainter& p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect r = option.rect;
    const QColor face = option.palette.color(QPalette::Window);
    p.fillRect(r, face);
    p.setPen(option.palette.color(QPalette::Mid));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    const int picture = searchKindPicture(WindowKind(index.data(SearchResultsModel::KindRole).toInt()));
    const QPixmap pixmap = toolPicture(picture, face);
    const QRect pictureRect(r.x() + kMargin + (kPictureCell - kHeadingPicture) / 2,
                            r.y() + (r.height() - kHeadingPicture) / 2, kHeadingPicture, kHeadingPicture);
    if (!pixmap.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(pictureRect, pixmap);
    }
    const QRect text = r.adjusted(kMargin + kPictureCell + kMargin, 0, -kMargin, 0);
    p.setFont(withPixelSize(option.font, 13, true));
    p.setPen(option.palette.color(QPalette::WindowText));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    p.setFont(withPixelSize(option.font, 12));
    p.setPen(quiet(option, false));
    p.drawText(text, Qt::AlignRight | Qt::AlignVCenter, QString::number(index.data(SearchResultsModel::CountRole).toInt()));
}

void SearchResultDelegate::paintHit(QPainter& p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect r = option.rect;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    p.fillRect(r, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));

    const QRect cell(r.x() + kMargin, r.y() + (r.height() - kPictureCell) / 2, kPictureCell, kPictureCell);
    if (hasPictures(WindowKind(index.data(SearchResultsModel::KindRole).toInt())))
        drawIconCell(p, cell, defaultExeFolder(), index.data(SearchResultsModel::IconRole).toString(), m_pictures);

    QRect text = r.adjusted(cell.right() + 1 + kMargin, 0, -kMargin, 0);
    const QString detail = index.data(SearchResultsModel::DetailRole).toString();
    const QFont detailFont = withPixelSize(option.font, 12);
    if (!detail.isEmpty()) {
        p.setFont(detailFont);
        p.setPen(quiet(option, selected));
        p.drawText(text, Qt::AlignRight | Qt::AlignVCenter, detail);
        text.setRight(text.right() - QFontMetrics(detailFont).horizontalAdvance(detail) - 2 * kMargin);
    }

    const QFont nameFont = withPixelSize(option.font, 13);
    const QFontMetrics nameMetrics(nameFont);
    const QString name = nameMetrics.elidedText(index.data().toString(), Qt::ElideRight, text.width());
    p.setFont(nameFont);
    p.setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, name);

    // Found by its other name: that name follows, quieter, where there is room.
    const QString other = index.data(SearchResultsModel::OtherNameRole).toString();
    const int used = nameMetrics.horizontalAdvance(name) + kMargin;
    if (!other.isEmpty() && used < text.width()) {
        p.setFont(detailFont);
        p.setPen(quiet(option, selected));
        const QRect rest = text.adjusted(used, 0, 0, 0);
        p.drawText(rest, Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(detailFont).elidedText(QStringLiteral("(%1)").arg(other), Qt::ElideRight, rest.width()));
    }
}

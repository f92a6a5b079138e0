#include "browse/IconCell.h"

#include "browse/IconPictureCache.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>

#include <algorithm>

namespace {
QString g_pictureFolder;
}

QString defaultExeFolder()
{
    if (!g_pictureFolder.isEmpty())
        return g_pictureFolder;
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

void setPictureFolder(const QString& folderWithSeparator)
{
    g_pictureFolder = folderWithSeparator;
}

QString iconFolder(const QString& exeFolder)
{
    return exeFolder + QStringLiteral("images//");
}

QString iconFilePath(const QString& exeFolder, const QString& iconValue)
{
    const QString folder = iconFolder(exeFolder);
    if (iconValue.isEmpty())
        return folder + QStringLiteral("none.BMP");
    // Only a dot after the value's last separator starts an extension.
    const int lastSeparator = std::max(iconValue.lastIndexOf(QLatin1Char('/')), iconValue.lastIndexOf(QLatin1Char('\\')));
    const int dot = iconValue.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > lastSeparator ? iconValue.left(dot) : iconValue;
    // Names are looked up inside the images folder only: no step up out of it.
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    if (base.contains(QChar(0)) || base.split(separators).contains(QStringLiteral("..")))
        return QString();
    return folder + base + QStringLiteral(".BMP");
}

QPoint iconTopLeft(const QRect& cell, const QSize& picture)
{
    const int left = cell.x();
    const int top = cell.y();
    const int right = cell.x() + cell.width();
    const int bottom = cell.y() + cell.height();
    // C++ integer division truncates toward zero, as the placement rule wants.
    return QPoint((left + right - picture.width()) / 2, (top + bottom - picture.height()) / 2);
}

void drawIconCell(QPainter& painter, const QRect& cell, const QString& exeFolder, const QString& iconValue,
                  IconPictureCache& cache)
{
    painter.fillRect(cell, Qt::white);
    const QSize largest(cell.width() * kLargestIconInCells, cell.height() * kLargestIconInCells);
    const QImage picture = cache.picture(iconFilePath(exeFolder, iconValue), largest);
    if (picture.isNull())
        return;
    // A picture larger than the cell keeps its centred place but never paints over a neighbour.
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.drawImage(iconTopLeft(cell, picture.size()), picture);
    painter.restore();
}

QPixmap iconCellPixmap(const QString& exeFolder, const QString& iconValue, IconPictureCache& cache)
{
    QPixmap pixmap(kIconPictureSize, kIconPictureSize);
    QPainter painter(&pixmap);
    drawIconCell(painter, pixmap.rect(), exeFolder, iconValue, cache);
    return pixmap;
}

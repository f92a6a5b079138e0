#pragma once
// Icon cells: the picture named by a row's icon value, from the images folder beside the
// executable. Each paint looks the file up again; its decoded picture is kept while the file
// stays unchanged.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class IconPictureCache;
class QPainter;
class QPixmap;

/// The folder whose images/ holds the pictures, with its trailing separator: the database's
/// folder once set, the executable's before.
QString defaultExeFolder();
/// Pictures are read from this folder's images/ from now on (the folder of the database opened).
void setPictureFolder(const QString& folderWithSeparator);

/// exeFolder + "images//" (exeFolder already ends with its separator).
QString iconFolder(const QString& exeFolder);

/// The file an icon value names: its extension (from the value's last '.') replaced by ".BMP",
/// or ".BMP" appended; an empty value names "none.BMP". Dots in the folder never count. A value
/// that would lead out of the images folder ("..", or a NUL) names no file: empty text.
QString iconFilePath(const QString& exeFolder, const QString& iconValue);

/// Top-left corner that centres a picture of this size in the cell, by truncating division of
/// (left + right - width) and (top + bottom - height), right and bottom being exclusive edges.
QPoint iconTopLeft(const QRect& cell, const QSize& picture);

/// Pictures wider or taller than this many cells are refused (left white) rather than decoded.
constexpr int kLargestIconInCells = 16;

/// Size of the item pictures the windows show.
constexpr int kIconPictureSize = 32;

/// The icon value's picture drawn as an icon cell (drawIconCell) of kIconPictureSize, for views
/// that show a picture beside a text rather than in a cell of its own.
QPixmap iconCellPixmap(const QString& exeFolder, const QString& iconValue, IconPictureCache& cache);

/// Fills the cell white and draws the icon's picture at natural size, centred and clipped to the
/// cell. A missing, unreadable or far too large file (the fallback none.BMP included) leaves the
/// cell plain white, silently. Pictures come through `cache`.
void drawIconCell(QPainter& painter, const QRect& cell, const QString& exeFolder, const QString& iconValue,
                  IconPictureCache& cache);

#pragma once
// Icon cells: the picture named by a row's icon value, read from the images folder beside the
// executable on every paint (nothing is cached).

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

/// The executable's folder with its trailing separator.
QString defaultExeFolder();

/// exeFolder + "images//" (exeFolder already ends with its separator).
QString iconFolder(const QString& exeFolder);

/// The file an icon value names: its extension (from the value's last '.') replaced by ".BMP",
/// or ".BMP" appended; an empty value names "none.BMP". Dots in the folder never count.
QString iconFilePath(const QString& exeFolder, const QString& iconValue);

/// Top-left corner that centres a picture of this size in the cell, by truncating division of
/// (left + right - width) and (top + bottom - height), right and bottom being exclusive edges.
QPoint iconTopLeft(const QRect& cell, const QSize& picture);

/// Fills the cell white and draws the icon's picture at natural size, centred. A missing or
/// unreadable file (the fallback none.BMP included) leaves the cell plain white, silently.
void drawIconCell(QPainter& painter, const QRect& cell, const QString& exeFolder, const QString& iconValue);

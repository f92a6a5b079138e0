#pragma once
// The frame's pictures, drawn in code: the ten 32x32 command pictures of the tool bar (no mask:
// each is painted on an opaque background), the back and forward pictures and the program's
// own 32x32 icon.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>

/// Number of command pictures; valid numbers are 0 .. ToolPictureCount - 1.
constexpr int ToolPictureCount = 10;

/// Command picture by number: 0 accessories, 1 armor, 2 misc items, 3 monsters, 4 recipes,
/// 5 sets, 6 skills, 7 skill comparison, 8 weapons, 9 quests. A null pixmap for other numbers.
QPixmap toolPicture(int number, const QColor& background);

/// The 32x32 picture of the back (or forward) button, on a transparent background so that a
/// disabled button shows it greyed.
QPixmap historyPicture(bool forward);

/// The program icon (a shield bearing an open book), size x size pixels (32 by default).
QImage programPicture(int size = 32);

/// The program icon in the sizes desktops use (16 to 256 pixels).
QIcon programIcon();

/// The sizes programIcon() holds, smallest first.
QList<int> programIconSizes();

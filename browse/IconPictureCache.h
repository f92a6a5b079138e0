#pragma once
// Decoded icon pictures, kept between paints. Every lookup still asks the file system for the
// file's modification time and size, so a changed file shows at the next paint; only the
// decoding is saved. A file missing under its name is looked for under the same name in other
// case ("Sword.BMP" finds sword.bmp), on every system.

#include "browse/CaseFoldedNames.h"

#include <QCache>
#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

class IconPictureCache {
public:
    /// Holds up to maxBytes of decoded pictures; the least recently used go first.
    explicit IconPictureCache(qint64 maxBytes = qint64(16) << 20);

    /// The picture in the file at path (or at a path differing from it only in the case of the
    /// file's name and its two folders), or a null image when the file is missing, unreadable,
    /// not a picture, or wider or taller than `largest` (such a picture is never decoded).
    QImage picture(const QString& path, const QSize& largest);

    /// Files read so far, refused ones included (how often the cache missed).
    qint64 loadCount() const { return m_loads; }
    /// Folders listed to find names in other case so far.
    int folderScanCount() const { return m_otherCase.scanCount(); }

private:
    struct Entry {
        QDateTime modified;
        qint64 size = 0;
        QSize largest;
        QImage image;
    };

    QImage load(const QString& path, const QSize& largest);

    QCache<QString, Entry> m_entries;
    CaseFoldedNames m_otherCase;
    qint64 m_loads = 0;
};

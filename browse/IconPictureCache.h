#pragma once
// Decoded icon pictures, kept between paints. Every lookup still asks the file system for the
// file's modification time and size, so a changed file shows at the next paint; only the
// decoding is saved.

#include <QCache>
#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

class IconPictureCache {
public:
    /// Holds up to maxBytes of decoded pictures; the least recently used go first.
    explicit IconPictureCache(qint64 maxBytes = qint64(16) << 20);

    /// The picture in the file at path, or a null image when the file is missing, unreadable,
    /// not a picture, or wider or taller than `largest` (such a picture is never decoded).
    QImage picture(const QString& path, const QSize& largest);

    /// Files read so far, refused ones included (how often the cache missed).
    qint64 loadCount() const { return m_loads; }

private:
    struct Entry {
        QDateTime modified;
        qint64 size = 0;
        QSize largest;
        QImage image;
    };

    QImage load(const QString& path, const QSize& largest);

    QCache<QString, Entry> m_entries;
    qint64 m_loads = 0;
};

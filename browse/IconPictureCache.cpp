#include "browse/IconPictureCache.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

// File systems stamp modification times with a coarse clock: a file written twice within one
// tick keeps its time. A picture whose file changed this recently is decoded again at each
// lookup until its time is safely in the past.
const qint64 kSettleMs = 2000;

int costOf(const QImage& image)
{
    // In kilobytes, at least one, so that refused and missing pictures count too.
    return int(qMax<qint64>(1, image.sizeInBytes() / 1024));
}

} // namespace

IconPictureCache::IconPictureCache(qint64 maxBytes) : m_entries(int(qMax<qint64>(1, maxBytes / 1024))) {}

QImage IconPictureCache::picture(const QString& named, const QSize& largest)
{
    if (named.isEmpty())
        return QImage();
    QString path = named;
    QFileInfo info(path);
    if (!info.isFile()) {
        path = m_otherCase.find(named);
        if (path.isEmpty())
            return QImage();
        info = QFileInfo(path);
        if (!info.isFile())
            return QImage();
    }
    const QDateTime modified = info.lastModified();
    const qint64 size = info.size();
    if (const Entry* e = m_entries.object(path)) {
        if (e->modified == modified && e->size == size && e->largest == largest)
            return e->image;
    }
    QImage image = load(path, largest);
    if (modified.msecsTo(QDateTime::currentDateTime()) > kSettleMs) {
        const int cost = costOf(image);
        m_entries.insert(path, new Entry{modified, size, largest, image}, cost);
    } else {
        m_entries.remove(path);
    }
    return image;
}

QImage IconPictureCache::load(const QString& path, const QSize& largest)
{
    ++m_loads;
    QImageReader reader(path);
    // The header tells the size; a picture far larger than its cell is refused undecoded.
    const QSize claimed = reader.size();
    if (claimed.isValid() && (claimed.width() > largest.width() || claimed.height() > largest.height()))
        return QImage();
    QImage image = reader.read();
    if (image.width() > largest.width() || image.height() > largest.height())
        return QImage();
    return image;
}

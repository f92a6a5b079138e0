#include "import/ImportCache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Raised whenever the copy the import writes changes, so that older copies are made afresh.
const char* const kImportVersion = "1";

QString digest(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

QString pathKey(const QFileInfo& source)
{
    return digest(source.absoluteFilePath());
}

} // namespace

ImportCache::ImportCache(const QString& folder) : m_folder(QDir::cleanPath(folder)) {}

QString ImportCache::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/jet");
}

QString ImportCache::copyPath(const QString& source) const
{
    const QFileInfo info(source);
    const QString state = QStringLiteral("%1\n%2\n%3")
                              .arg(info.size())
                              .arg(info.lastModified().toMSecsSinceEpoch())
                              .arg(QLatin1String(kImportVersion));
    return m_folder + QLatin1Char('/') + pathKey(info) + QLatin1Char('-') + digest(state) + QStringLiteral(".db");
}

QString ImportCache::currentCopy(const QString& source) const
{
    const QString copy = copyPath(source);
    return QFileInfo(copy).isFile() ? copy : QString();
}

void ImportCache::removeStale(const QString& source) const
{
    QDir folder(m_folder);
    if (!folder.exists())
        return;
    const QString current = QFileInfo(copyPath(source)).fileName();
    const QStringList earlier = folder.entryList({pathKey(QFileInfo(source)) + QStringLiteral("-*.db")}, QDir::Files);
    for (const QString& name : earlier)
        if (name != current)
            folder.remove(name);
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    for (const QFileInfo& part : folder.entryInfoList({QStringLiteral("*.part")}, QDir::Files))
        if (part.lastModified() < dayAgo)
            folder.remove(part.fileName());
}

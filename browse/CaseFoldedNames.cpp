#include "browse/CaseFoldedNames.h"

#include <QDir>
#include <QFileInfo>

QString CaseFoldedNames::find(const QString& path, int depth)
{
    if (depth <= 0)
        return QString();
    QString dir = path;
    // "images//x.BMP" names x.BMP in images: drop the name, then every slash after the folder.
    const int slash = dir.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    const QString name = dir.mid(slash + 1);
    dir.truncate(slash);
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    if (name.isEmpty() || dir.isEmpty())
        return QString();

    QFileInfo folderInfo(dir);
    if (!folderInfo.isDir()) {
        dir = find(dir, depth - 1);
        if (dir.isEmpty())
            return QString();
        folderInfo = QFileInfo(dir);
    }
    const QString found = folder(dir, folderInfo.lastModified()).names.value(name.toCaseFolded());
    return found.isEmpty() ? QString() : dir + QLatin1Char('/') + found;
}

const CaseFoldedNames::Folder& CaseFoldedNames::folder(const QString& dir, const QDateTime& modified)
{
    auto it = m_folders.find(dir);
    if (it != m_folders.end() && it->modified == modified)
        return *it;
    ++m_scans;
    Folder f;
    f.modified = modified;
    // Sorted by name, so the first of names equal but for case is the one kept.
    const QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                                  QDir::Name);
    for (const QString& n : names) {
        const QString folded = n.toCaseFolded();
        if (!f.names.contains(folded))
            f.names.insert(folded, n);
    }
    return *m_folders.insert(dir, f);
}

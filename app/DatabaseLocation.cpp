#include "app/DatabaseLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString withSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

bool DatabaseLocation::found() const
{
    return QFileInfo(file).isFile();
}

QString DatabaseLocation::folder() const
{
    return withSeparator(QFileInfo(file).absolutePath());
}

DatabaseLocation locateDatabase(const QString& given, const QStringList& folders)
{
    DatabaseLocation location;
    if (!given.isEmpty()) {
        location.file = QFileInfo(given).absoluteFilePath();
        location.tried << location.file;
        return location;
    }
    for (const QString& folder : folders) {
        const QString file = withSeparator(folder) + QStringLiteral("gd.mdb");
        if (location.tried.contains(file))
            continue;
        location.tried << file;
        if (QFileInfo::exists(file)) {
            location.file = file;
            return location;
        }
    }
    location.file = location.tried.isEmpty() ? QString() : location.tried.first();
    return location;
}

QStringList usualDatabaseFolders(const QString& exeFolder)
{
    QStringList folders{withSeparator(exeFolder)};
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!userData.isEmpty())
        folders << withSeparator(userData);
    folders << withSeparator(QDir::cleanPath(exeFolder + QStringLiteral("/../share/tavrin")));
    return folders;
}

QString notFoundAnywhereMessage(const DatabaseLocation& location)
{
    if (location.tried.size() <= 1)
        return QStringLiteral("Database file not found: %1").arg(location.file);
    QString text = QStringLiteral("Database file not found: %1\nAlso looked for it in:").arg(location.tried.first());
    for (int i = 1; i < location.tried.size(); ++i)
        text += QStringLiteral("\n%1").arg(location.tried.at(i));
    return text;
}

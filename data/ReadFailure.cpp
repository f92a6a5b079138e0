#include "data/ReadFailure.h"

#include <QHash>

#include <sqlite3.h>

#include <mutex>

namespace {

// The file each handle's failures name when it is not the file open. Reads on threads of their
// own ask too, while the program's thread opens and closes its connection.
std::mutex shownFilesLock;

QHash<sqlite3*, QString>& shownFiles()
{
    static QHash<sqlite3*, QString> files;
    return files;
}

QString shownFileOf(sqlite3* db, const QString& open)
{
    std::lock_guard<std::mutex> hold(shownFilesLock);
    return shownFiles().value(db, open);
}

} // namespace

void nameFileOf(sqlite3* db, const QString& file)
{
    std::lock_guard<std::mutex> hold(shownFilesLock);
    shownFiles().insert(db, file);
}

void forgetFileOf(sqlite3* db)
{
    std::lock_guard<std::mutex> hold(shownFilesLock);
    shownFiles().remove(db);
}

QString fileProblem(int sqliteCode, const QString& sqliteText)
{
    switch (sqliteCode & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("is damaged");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("is locked by another program");
    case SQLITE_IOERR:
        return QStringLiteral("cannot be read (input/output error)");
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("cannot be read (access denied)");
    case SQLITE_NOMEM:
        return QStringLiteral("cannot be read (out of memory)");
    case SQLITE_ERROR:
        if (sqliteText.startsWith(QLatin1String("no such table")) || sqliteText.startsWith(QLatin1String("no such column")))
            return QStringLiteral("lacks a table or column the list needs (%1)").arg(sqliteText);
        return QStringLiteral("cannot answer the list's statement (%1)").arg(sqliteText);
    default:
        return QStringLiteral("cannot be read (%1)").arg(sqliteText);
    }
}

DbError readFailure(sqlite3* db, const QString& shownStatement)
{
    const int code = sqlite3_extended_errcode(db);
    const QString text = QString::fromUtf8(sqlite3_errmsg(db));
    const char* file = sqlite3_db_filename(db, "main");
    const QString details = QStringLiteral("Statement:\n%1\n\nSQLite: %2 (code %3)").arg(shownStatement, text).arg(code);
    const QString shown = shownFileOf(db, QString::fromUtf8(file ? file : ""));
    return DbError::readFailure(shown, fileProblem(code, text), details);
}

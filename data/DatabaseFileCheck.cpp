#include "data/DatabaseFileCheck.h"

#include "data/DbError.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

// Long enough to ride out another program's short write, short enough not to freeze the window.
const int kBusyTimeoutMs = 1500;

// At most 16 MiB of pages, taken as they are read. A list of every item joins each row to its
// table by key: with the default 2 MiB the pages of a large table leave the cache before they
// are read again.
const char* const kPageCache = "PRAGMA cache_size = -16384";

quint32 bigEndian32(const QByteArray& b, int at)
{
    return (quint32(quint8(b[at])) << 24) | (quint32(quint8(b[at + 1])) << 16) |
           (quint32(quint8(b[at + 2])) << 8) | quint32(quint8(b[at + 3]));
}

QString damaged(const QString& path)
{
    return QStringLiteral("Database file %1 is truncated or damaged").arg(path);
}

bool isJetHead(const QByteArray& head)
{
    const QByteArray engine = head.mid(4, 15);
    return engine == "Standard Jet DB" || engine == "Standard ACE DB";
}

} // namespace

void checkReadableFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw DbError(QStringLiteral("Database file not found: %1").arg(path));
    if (info.isDir())
        throw DbError(QStringLiteral("%1 is a folder, not a database file").arg(path));
    // Opening a pipe waits for a writer that never comes, and a device reads forever; only a
    // regular file (or a link to one) can hold the database.
    if (!info.isFile())
        throw DbError(QStringLiteral("%1 is not a regular file (a pipe, socket or device), not a database file").arg(path));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Database file %1 cannot be read: %2").arg(path, file.errorString()));
    if (file.size() == 0)
        throw DbError(QStringLiteral("Database file %1 is empty, not a database").arg(path));
}

bool isJetDatabaseFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    return isJetHead(file.read(19));
}

void checkDatabaseFile(const QString& path)
{
    checkReadableFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Database file %1 cannot be read: %2").arg(path, file.errorString()));
    const qint64 size = file.size();
    const QByteArray head = file.read(100);
    if (isJetHead(head))
        throw DbError(QStringLiteral("%1 is a Jet/Access database, which is read through an imported copy; it has not "
                                     "been imported (start the program on it again to import it)").arg(path));
    if (!head.startsWith(QByteArray("SQLite format 3\0", 16))) {
        if (head.size() < 16 && QByteArray("SQLite format 3\0", 16).startsWith(head))
            throw DbError(damaged(path));
        throw DbError(QStringLiteral("%1 is not a database file").arg(path));
    }
    if (head.size() < 100)
        throw DbError(damaged(path));

    // The header records the page size and, when bytes 92..95 match the change counter, the
    // page count; a file shorter than that lost its tail.
    quint32 pageSize = (quint32(quint8(head[16])) << 8) | quint32(quint8(head[17]));
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0)
        throw DbError(damaged(path));
    const quint32 pages = bigEndian32(head, 28);
    const bool pagesValid = pages != 0 && bigEndian32(head, 24) == bigEndian32(head, 92);
    if (size % pageSize != 0 || (pagesValid && size < qint64(pages) * pageSize))
        throw DbError(damaged(path));
}

void probeOpenDatabase(sqlite3* db, const QString& path)
{
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW)
            rc = SQLITE_OK;
    }
    const QString why = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(stmt);
    switch (rc & 0xff) {
    case SQLITE_OK:
        return;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw DbError(QStringLiteral("Database file %1 is locked by another program").arg(path));
    case SQLITE_NOTADB:
        throw DbError(QStringLiteral("%1 is not a database file").arg(path));
    case SQLITE_CORRUPT:
        throw DbError(damaged(path));
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        throw DbError(QStringLiteral("Database file %1 cannot be read: %2").arg(path, why));
    default:
        throw DbError(QStringLiteral("Cannot read database file %1: %2").arg(path, why));
    }
}

sqlite3* openDatabaseFile(const QString& path, bool readOnly)
{
    checkDatabaseFile(path);
    sqlite3* db = nullptr;
    // One thread uses each handle: SQLite need not lock it around every call.
    const int mode = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, mode | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close(db);
        throw DbError(QStringLiteral("Cannot open database file %1: %2").arg(path, why));
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_exec(db, kPageCache, nullptr, nullptr, nullptr);
    return db;
}

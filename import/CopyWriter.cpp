#include "import/CopyWriter.h"

#include "data/BoundValue.h"
#include "data/DbError.h"
#include "import/GameSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The copy is synced once, when complete: writing it needs no journal and no sync per page.
bool syncFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

QString partialCopyPath(const QString& target, qint64 processId)
{
    return QStringLiteral("%1.%2.part").arg(target).arg(processId);
}

CopyWriter::CopyWriter(const QString& target)
    : m_target(target), m_partial(partialCopyPath(target, QCoreApplication::applicationPid()))
{
    const QFileInfo info(target);
    if (!QDir().mkpath(info.absolutePath()))
        throw DbError(QStringLiteral("Cannot write %1: its folder cannot be created").arg(target));
    QFile::remove(m_partial);
    const int rc = sqlite3_open_v2(QFile::encodeName(m_partial).constData(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    // A constructor that throws runs no destructor: the handle and the partial file go here.
    try {
        if (rc != SQLITE_OK)
            fail(QStringLiteral("cannot create the file"));
        exec(QStringLiteral("PRAGMA journal_mode = OFF"));
        exec(QStringLiteral("PRAGMA synchronous = OFF"));
        exec(QStringLiteral("BEGIN"));
    } catch (...) {
        sqlite3_close_v2(m_db);
        QFile::remove(m_partial);
        throw;
    }
}

CopyWriter::~CopyWriter()
{
    closeInsert();
    if (m_db)
        sqlite3_close_v2(m_db);
    if (!m_finished)
        QFile::remove(m_partial);
}

void CopyWriter::fail(const QString& what)
{
    const QString why = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
    throw DbError(QStringLiteral("Cannot write %1: %2 (%3)").arg(m_target, what, why));
}

void CopyWriter::exec(const QString& sql)
{
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QStringLiteral("a statement failed"));
}

void CopyWriter::closeInsert()
{
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
}

void CopyWriter::createTable(const SchemaTable& table, const QVector<int>& present)
{
    closeInsert();
    exec(table.createStatement(present));
    QStringList names;
    QStringList marks;
    for (int i = 0; i < present.size(); ++i) {
        names << quotedName(table.columns()[present[i]].name);
        marks << QStringLiteral("?%1").arg(i + 1);
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(quotedName(table.name), names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &m_insert, nullptr) != SQLITE_OK)
        fail(QStringLiteral("the table %1 cannot be filled").arg(table.name));
}

void CopyWriter::insertRow(const QVector<Value>& values)
{
    sqlite3_stmt* s = m_insert;
    for (int i = 0; i < values.size(); ++i)
        if (bindValue(s, i + 1, values[i]) != SQLITE_OK)
            fail(QStringLiteral("a value cannot be stored"));
    const int rc = sqlite3_step(s);
    sqlite3_reset(s);
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("a row cannot be stored"));
}

void CopyWriter::createIndexes(const SchemaTable& table, const QVector<int>& present)
{
    closeInsert();
    for (const SchemaIndex& index : table.indexes) {
        bool all = true;
        for (const QString& column : index.columns)
            all = all && present.contains(table.columnIndex(column));
        if (all)
            exec(index.sql);
    }
}

void CopyWriter::finish()
{
    closeInsert();
    exec(QStringLiteral("COMMIT"));
    if (sqlite3_close(m_db) != SQLITE_OK)
        fail(QStringLiteral("the file cannot be closed"));
    m_db = nullptr;
    if (!syncFile(m_partial))
        throw DbError(QStringLiteral("Cannot write %1: the file cannot be synced to the disk").arg(m_target));
    // rename() replaces an existing target in one step: a reader sees the old copy or the new.
    if (std::rename(QFile::encodeName(m_partial).constData(), QFile::encodeName(m_target).constData()) != 0)
        throw DbError(QStringLiteral("Cannot write %1: the finished copy cannot take its name").arg(m_target));
    m_finished = true;
}

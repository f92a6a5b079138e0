#include "data/ReadConnection.h"

#include "data/DatabaseFileCheck.h"
#include "data/DbError.h"

#include <QFile>

#include <sqlite3.h>

namespace {
// A write of the maintenance window holds the file for a moment; wait for it.
const int kBusyTimeoutMs = 1500;
// As the program's connection: the pages of a large table stay while a join reads them again.
const char* const kPageCache = "PRAGMA cache_size = -16384";
} // namespace

void ReadStop::stop()
{
    m_stopped = true;
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_db)
        sqlite3_interrupt(m_db);
}

void ReadStop::attach(sqlite3* db)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_db = db;
    if (m_stopped)
        sqlite3_interrupt(m_db);
}

void ReadStop::detach()
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_db = nullptr;
}

ReadConnection::ReadConnection(const QString& file, ReadStop* stop) : m_stop(stop)
{
    checkDatabaseFile(file);
    const int rc = sqlite3_open_v2(QFile::encodeName(file).constData(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        const QString why = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
        sqlite3_close(m_db);
        throw DbError(QStringLiteral("Cannot open database file %1: %2").arg(file, why));
    }
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    sqlite3_exec(m_db, kPageCache, nullptr, nullptr, nullptr);
    if (m_stop)
        m_stop->attach(m_db);
}

ReadConnection::~ReadConnection()
{
    if (m_stop)
        m_stop->detach();
    sqlite3_close_v2(m_db);
}

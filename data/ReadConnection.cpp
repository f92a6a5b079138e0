#include "data/ReadConnection.h"

#include "data/DatabaseFileCheck.h"

#include <sqlite3.h>

namespace {
// Virtual machine steps between two looks at the stop: a few microseconds of reading.
const int kStepsBetweenLooks = 1000;
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

ReadConnection::ReadConnection(const QString& file, ReadStop* stop) : m_db(openDatabaseFile(file, true)), m_stop(stop)
{
    if (m_stop) {
        m_stop->attach(m_db);
        // An interrupt reaches only a statement already running; a stop that comes between
        // statements, or before the first step, ends the next one here.
        sqlite3_progress_handler(
            m_db, kStepsBetweenLooks, [](void* stop) { return static_cast<ReadStop*>(stop)->stopped() ? 1 : 0; },
            m_stop);
    }
}

ReadConnection::~ReadConnection()
{
    if (m_stop)
        m_stop->detach();
    sqlite3_close_v2(m_db);
}

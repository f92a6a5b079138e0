#pragma once
// A read-only connection of a reading thread's own, beside the program's connection (SQLite lets
// each thread keep its own), and the stop another thread ends such a read with.

#include <QString>

#include <atomic>
#include <mutex>

struct sqlite3;

/// Stops a read running on another thread: the read checks it between rows, and a statement
/// being stepped is interrupted.
class ReadStop {
public:
    void stop();
    bool stopped() const { return m_stopped.load(); }

    // The read's connection, while it is open.
    void attach(sqlite3* db);
    void detach();

private:
    std::atomic<bool> m_stopped{false};
    std::mutex m_lock;
    sqlite3* m_db = nullptr;
};

/// Opens the file read-only after the same checks as the program's connection, and closes it
/// however the read ends. Throws DbError naming the file when it cannot be opened.
class ReadConnection {
public:
    ReadConnection(const QString& file, ReadStop* stop);
    ~ReadConnection();
    ReadConnection(const ReadConnection&) = delete;
    ReadConnection& operator=(const ReadConnection&) = delete;
    sqlite3* db() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
    ReadStop* m_stop;
};

#pragma once
// Reading a statement's whole result: on the program's connection when a view asks for it, or
// ahead of that on a thread of its own, through a read-only connection of the thread's own.

#include "data/RowSet.h"
#include "data/Value.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <thread>

struct sqlite3;

/// One whole result: its SQLite text, its result names and its bound values.
struct WholeStatement {
    QString sql;
    QStringList names;
    bool withRowid = false;
    QHash<QString, Value> params;
    QString shown; ///< the text a failure names
};

/// Prepares, binds and steps the statement to its end. Throws DbError naming the statement.
SharedRowSet readWhole(sqlite3* db, const WholeStatement& statement);

/// Whole results being read ahead, each on a thread of its own. A read holds for the write
/// count it started at; a failed or stopped read leaves nothing, and whoever wanted its rows
/// reads them itself (and is told what went wrong).
class ReadsAhead {
public:
    ReadsAhead();
    /// Stops every read and waits for its thread.
    ~ReadsAhead();
    ReadsAhead(const ReadsAhead&) = delete;
    ReadsAhead& operator=(const ReadsAhead&) = delete;

    void start(const QString& key, const QString& file, quint64 writeCount, WholeStatement statement);
    bool has(const QString& key) const { return m_reads.contains(key); }
    /// Whether a read still runs.
    bool running() const;
    /// The rows that read got whole at this write count, waiting for its end; null when it got
    /// none. The read is forgotten either way.
    SharedRowSet take(const QString& key, quint64 writeCount);
    /// Takes every read that has ended (see take()), with its key.
    QHash<QString, SharedRowSet> takeEnded(quint64 writeCount);
    /// Stops every read and waits for it: the file is about to be written or closed.
    void stopAll();

private:
    struct Job;
    struct Read {
        std::shared_ptr<Job> job;
        std::thread thread;
    };
    static SharedRowSet ended(Read& read, quint64 writeCount);
    QHash<QString, std::shared_ptr<Read>> m_reads;
};

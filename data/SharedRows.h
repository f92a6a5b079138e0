#pragma once
// The rows the connection's datasets share: what each statement text is (StatementInfo), the
// whole result of each statement, fetched once, and the rows of recently shown keys. Every
// window that runs the same text shows the same fetched rows; each dataset keeps only its own
// order, filter and position over them.
//
// Everything here holds for the connection's write count it was made at: once a write is noted
// (Connection::noteWrite) the next request drops it all and fetches again. A dataset that is
// open keeps the rows it shows (a static cursor does not change while open); only new opens and
// new keys see the write.

#include "data/RowSet.h"
#include "data/StatementInfo.h"
#include "data/WholeRead.h"

#include <QHash>
#include <QString>

#include <list>
#include <memory>

class Connection;
struct sqlite3_stmt;

class SharedRows {
public:
    /// The connection owns this and outlives it.
    explicit SharedRows(Connection& connection);
    ~SharedRows();
    SharedRows(const SharedRows&) = delete;
    SharedRows& operator=(const SharedRows&) = delete;

    /// The facts of this SQLite text, prepared on first request. Throws DbError when SQLite
    /// rejects the text.
    std::shared_ptr<const StatementInfo> statement(const QString& sqliteSql, bool withRowid,
                                                   const QString& shownStatement);

    /// Every row of the statement with these parameters. With `share` they are fetched once
    /// and handed to every later request of the same text and values; without, they are the
    /// caller's own (a dataset that edits its rows must never show them to another).
    SharedRowSet allRows(const StatementInfo& info, const QHash<QString, Value>& params, bool share,
                         const QString& shownStatement);

    /// Starts reading the whole result of the statement with these parameters on a thread of
    /// its own, unless it is kept or being read already; allRows() with `share` then takes what
    /// the read got, waiting for it while it runs. A write or a close stops it.
    void readAhead(const StatementInfo& info, const QHash<QString, Value>& params, const QString& shownStatement);
    /// Whether a read started by readAhead() still runs.
    bool readingAhead() const;
    /// Stops the reads ahead and waits for them: a write is coming, and a reader would hold the
    /// file.
    void stopReadsAhead();

    /// The rows of the statement whose fields `columns` hold `keys` (each keyable): the
    /// statement runs with the key conditions in every arm, and the last few hundred keys are
    /// kept. The result's columns are typed like the whole result's (StatementInfo::typeFloor).
    SharedRowSet keyRows(const StatementInfo& info, const QVector<int>& columns, const QVector<qint64>& keys,
                         const QString& shownStatement);

    /// The kept rows of that key, or null; fetches nothing.
    SharedRowSet cachedKeyRows(const StatementInfo& info, const QVector<int>& columns,
                               const QVector<qint64>& keys);
    /// Whether the key has a row at all, asked of SQLite without fetching any (the kept rows
    /// answer first).
    bool keyHasRows(const StatementInfo& info, const QVector<int>& columns, const QVector<qint64>& keys,
                    const QString& shownStatement);

    /// Drops every row and statement (the connection closes).
    void clear();

private:
    void dropIfStale();
    void dropRows();
    void trimKeyed();
    void trimWhole();
    void keepWhole(const QString& key, const SharedRowSet& rows);
    /// Keeps the rows of the reads ahead that have ended with the other whole results.
    void keepReadsAhead();
    /// Bytes of the whole results held here that no dataset shows at the moment.
    size_t idleBytes() const;
    sqlite3_stmt* prepared(const QString& sql, const QString& shownStatement);
    void bindKeys(sqlite3_stmt* stmt, const QVector<qint64>& keys, const QString& shownStatement);

    Connection& m_connection;
    quint64 m_writeCount = 0;
    QHash<QString, std::shared_ptr<const StatementInfo>> m_statements; // "r"/"s" + SQLite text
    struct WholeEntry {
        SharedRowSet rows;
        quint64 lastUse = 0;
    };
    QHash<QString, WholeEntry> m_whole;                  // SQLite text + bound values
    QHash<QString, sqlite3_stmt*> m_keyedStatements;     // keyed SQLite text, probes too
    std::list<std::pair<QString, SharedRowSet>> m_keyed; // most recent first
    QHash<QString, std::list<std::pair<QString, SharedRowSet>>::iterator> m_keyedIndex;
    size_t m_keyedBytes = 0;
    quint64 m_useClock = 0;
    // Last: its reads stop before the rest goes.
    ReadsAhead m_ahead;
};

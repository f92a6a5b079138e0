#pragma once
// Writes the SQLite copy: tables after the game's schema, rows, then the schema's indexes. The
// copy is written to a file of its own beside the target and takes the target's name only once
// complete, so a cancelled or failed import leaves nothing a later start could take for a copy.

#include "data/Value.h"

#include <QString>
#include <QVector>

struct SchemaTable;
struct sqlite3;
struct sqlite3_stmt;

/// The file a process with this id writes a copy into before it becomes `target`.
QString partialCopyPath(const QString& target, qint64 processId);

class CopyWriter {
public:
    /// Creates the partial file (any left over from an earlier run of this process is replaced).
    /// Throws DbError naming the target when it cannot be written.
    explicit CopyWriter(const QString& target);
    /// Removes the partial file unless finish() succeeded.
    ~CopyWriter();
    CopyWriter(const CopyWriter&) = delete;
    CopyWriter& operator=(const CopyWriter&) = delete;

    /// Creates the table with the given columns (indexes into table.columns, in schema order);
    /// insertRow() then fills it.
    void createTable(const SchemaTable& table, const QVector<int>& present);
    /// One row of the table last created: a value per present column.
    void insertRow(const QVector<Value>& values);
    /// Creates the table's indexes whose columns are all present.
    void createIndexes(const SchemaTable& table, const QVector<int>& present);
    /// Commits, syncs the file to the disk and renames it onto the target (replacing it).
    void finish();

    QString partialPath() const { return m_partial; }

private:
    void exec(const QString& sql);
    [[noreturn]] void fail(const QString& what);
    void closeInsert();

    QString m_target;
    QString m_partial;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    bool m_finished = false;
};

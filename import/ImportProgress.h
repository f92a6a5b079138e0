#pragma once
// What an import tells while it runs, and how it is asked to stop.

#include <QString>

class ImportProgress {
public:
    virtual ~ImportProgress() = default;
    /// Before the first table: how many tables will be copied and how many rows they hold in all
    /// (as the source counts them).
    virtual void started(int tables, qint64 rows) = 0;
    /// A table begins: its place (0-based), its name in the schema and its expected rows.
    virtual void tableStarted(int index, const QString& table, qint64 rows) = 0;
    /// Rows copied so far of the current table (called every few hundred rows and at its end).
    virtual void rowsCopied(qint64 rows) = 0;
    /// Polled between rows: true ends the import, leaving nothing behind.
    virtual bool cancelRequested() = 0;
};

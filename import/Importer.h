#pragma once
// Copies a source's game tables into an SQLite copy at a path of the caller's choice: the tables
// and columns it has, matched to the schema, with the schema's types and indexes.

#include <QString>
#include <QStringList>

class ImportProgress;
class TableSource;

struct ImportSummary {
    int tables = 0;
    qint64 rows = 0;
    /// What the source lacks (see ImportPlan::missing).
    QStringList missing;
    /// The import was asked to stop: nothing was written.
    bool cancelled = false;
};

/// Imports `source` (named `sourceName` in messages) into a copy at `target`, replacing a file
/// there only once the copy is complete. Throws DbError when the source cannot be read or the
/// copy cannot be written; either way, and on a cancel, the target is left as it was.
ImportSummary importSource(TableSource& source, const QString& sourceName, const QString& target,
                           ImportProgress* progress = nullptr);

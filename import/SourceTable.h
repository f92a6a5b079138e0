#pragma once
// What an import reads: named tables of named, typed columns, row by row. The Jet file is one
// such source; tests hand in tables of their own.

#include "data/Value.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

/// What a source column's values become in the copy.
enum class SourceKind {
    Boolean,   ///< yes/no
    Integer,   ///< whole numbers
    Float,     ///< fractional numbers
    Text,      ///< text of any length, memos included
    DateTime,  ///< dates and times, read as ISO text
    Unreadable ///< binary data (OLE objects, raw bytes): left out of the copy
};

struct SourceColumn {
    QString name;
    SourceKind kind = SourceKind::Text;
    /// The source's own name for the type ("Memo", "OLE object"), for messages.
    QString typeName;
};

/// The rows of one table. Values come as Value: null, integer, float, text (dates as ISO text)
/// or boolean, one per column in the order columns() gave.
class SourceRows {
public:
    virtual ~SourceRows() = default;
    /// Reads the next row into `row`; false at the end. Throws DbError when the table is damaged.
    virtual bool next(QVector<Value>& row) = 0;
};

class TableSource {
public:
    virtual ~TableSource() = default;
    /// The tables that hold data (no system tables), in the source's own order.
    virtual QStringList tableNames() = 0;
    /// A table's columns; throws DbError when its definition cannot be read.
    virtual QVector<SourceColumn> columns(const QString& table) = 0;
    /// The number of rows the source says a table holds (for progress; the rows read decide).
    virtual qint64 rowCount(const QString& table) = 0;
    /// Starts reading a table's rows; throws DbError when it cannot be read.
    virtual std::unique_ptr<SourceRows> rows(const QString& table) = 0;
};

#pragma once
// Which of a source's tables and columns fill which of the game's, matched by name ignoring
// case. Extra tables and columns are passed over; what the game needs and the source lacks (or
// holds only as binary data) is listed, so the user is told and the copy holds only what exists.

#include <QString>
#include <QStringList>
#include <QVector>

class GameSchema;
class TableSource;

struct ColumnMatch {
    int schemaColumn = -1; ///< index into the schema table's columns
    int sourceColumn = -1; ///< index into the source table's columns
};

struct TableMatch {
    int schemaTable = -1;
    QString sourceTable;
    QVector<ColumnMatch> columns; ///< in schema order, only the columns found
};

struct ImportPlan {
    QVector<TableMatch> tables; ///< in schema order, only the tables found
    /// What is missing, one item each: "table quests", "column monsters.aggro", "columns of
    /// monsters: hp, mp", or a column whose values cannot be read, with why.
    QStringList missing;
};

/// Matches the source against the schema. Throws DbError when a source table's columns cannot be
/// read, or when the source holds none of the game's tables.
ImportPlan matchSchema(const GameSchema& schema, TableSource& source, const QString& sourceName);

/// The message for what is missing, naming the file, the missing tables on one line; empty when
/// nothing is.
QString missingMessage(const QString& sourceName, const QStringList& missing);

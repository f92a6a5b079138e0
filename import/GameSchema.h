#pragma once
// The game's twenty-one tables as data/schema.sql declares them: columns with their declared
// types, collations and keys, and the indexes over them. Read once from an in-memory database
// built from the schema text, so a copy can be built with any subset of a table's columns.

#include "data/TableShape.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct SchemaIndex {
    QString name;
    QStringList columns;
    QString sql; ///< the CREATE INDEX statement as the schema writes it
};

struct SchemaTable {
    QString name;
    TableShape shape;
    QVector<SchemaIndex> indexes;

    const QVector<TableColumn>& columns() const { return shape.columns(); }
    /// Index of the column of this name, ignoring case; -1 when there is none.
    int columnIndex(const QString& column) const { return shape.columnIndex(column); }
    /// CREATE TABLE for the given columns (indexes into columns, in schema order): their types,
    /// collations and NOT NULL as declared, and the primary key when all its columns are there.
    QString createStatement(const QVector<int>& present) const;
};

class GameSchema {
public:
    /// The schema compiled into the program.
    static const GameSchema& instance();
    /// The schema of any schema text (throws DbError when it does not run).
    static GameSchema fromText(const char* sqlText);

    const QVector<SchemaTable>& tables() const { return m_tables; }
    /// Index of the table of this name, ignoring case; -1 when there is none.
    int tableIndex(const QString& table) const;

private:
    QVector<SchemaTable> m_tables;
};

/// The name in double quotes, inner quotes doubled: safe in any statement.
QString quotedName(const QString& name);

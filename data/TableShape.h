#pragma once
// What a table's declaration says about its columns, as the writes of an edited row and the
// copy of an imported file need it: declared types, collations, which are required, the primary
// key and which column is the integer key.

#include <QString>
#include <QVector>

struct sqlite3;

struct TableColumn {
    QString name;
    QString declaredType; ///< as written in CREATE TABLE ("INTEGER", "TEXT", "REAL", ...)
    bool notNull = false;
    QString collation;    ///< "BINARY", "NOCASE", ...; empty where SQLite cannot tell
    int keyPosition = 0;  ///< 1-based place in the primary key; 0 when not part of it
};

class TableShape {
public:
    TableShape() = default;
    /// Reads the declaration of `table`; throws DbError when there is no such table.
    static TableShape read(sqlite3* db, const QString& table);

    const QString& table() const { return m_table; }
    const QVector<TableColumn>& columns() const { return m_columns; }
    /// Index of the column of that name (case-insensitive), or -1.
    int columnIndex(const QString& name) const;
    /// The INTEGER PRIMARY KEY column (the table's row key), or -1.
    int keyColumn() const { return m_keyColumn; }
    /// The key is numbered by the database (AUTOINCREMENT): it is never typed.
    bool keyNumberedByDatabase() const { return m_autoIncrement; }

private:
    QString m_table;
    QVector<TableColumn> m_columns;
    int m_keyColumn = -1;
    bool m_autoIncrement = false;
};

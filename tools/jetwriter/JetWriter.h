#pragma once
// Writes Jet (Access) database files for the tests: tables with their columns and rows, the
// catalog, usage maps and long values, enough for an independent reader to open them.

#include "tools/jetwriter/JetVersion.h"

#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <variant>
#include <vector>

namespace jet {

enum class ColumnType { Boolean, Byte, Integer /*16-bit*/, Long /*32-bit*/, Double, Text, Memo, DateTime };

struct Column {
    QString name;
    ColumnType type;
    int textLength = 255; // characters (UTF-16 units), Text only
};

// A NULL, or a value of the column's type (integers and booleans convert where they fit).
using Cell = std::variant<std::monostate /*NULL*/, bool, qint64, double, QString, QDateTime>;

struct WriteOptions {
    bool compressText = true; // Unicode compression where it applies (Jet 4 only)
    JetVersion version = JetVersion::Jet4;
    // The database password Access asks for (at most 20 characters); readers that ignore it
    // still read the file.
    QString password;
};

class JetWriter {
public:
    // Returns the table's handle for addRow.
    int addTable(const QString& name, std::vector<Column> columns);
    // The row holds one cell per column; a row that does not fit its columns is refused at write().
    void addRow(int table, std::vector<Cell> row);
    // Throws std::runtime_error on failure; the file at path is then left as it was.
    void write(const QString& path, const WriteOptions& options = {}) const;

private:
    struct Table {
        QString name;
        std::vector<Column> columns;
        std::vector<std::vector<Cell>> rows;
    };
    std::vector<Table> m_tables;
};

/// Writes every table of a SQLite file (types mapped from the declared column types) as a Jet 4 file
/// (or Jet 3, as the options say).
void writeJetCopyOfSqlite(const QString& sqlitePath, const QString& mdbPath, const WriteOptions& = {});

} // namespace jet

#pragma once
// Reads a SQLite file's tables for copying: their names, their columns with the declared types,
// and their rows as cells.

#include "tools/jetwriter/JetWriter.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct sqlite3;

namespace jet {

struct SqliteColumn {
    QString name;
    QString declaredType;
};

class SqliteReader {
public:
    // Opens read-only; throws std::runtime_error when the file is not a SQLite database.
    explicit SqliteReader(const QString& path);
    ~SqliteReader();
    SqliteReader(const SqliteReader&) = delete;
    SqliteReader& operator=(const SqliteReader&) = delete;

    // Tables in the order they were created, SQLite's own left out.
    QStringList tables() const;
    std::vector<SqliteColumn> columns(const QString& table) const;
    // Calls back with the values of these columns for each row, in the table's stored order.
    void forEachRow(const QString& table, const QStringList& columns,
                    const std::function<void(const std::vector<Cell>&)>& row) const;

private:
    [[noreturn]] void fail(const QString& what) const;

    QString m_path;
    sqlite3* m_db = nullptr;
};

} // namespace jet

#include "tools/jetwriter/SqliteReader.h"

#include <sqlite3.h>
#include <stdexcept>

namespace jet {

namespace {

QString quoted(const QString& name) { return '"' + QString(name).replace('"', "\"\"") + '"'; }

class Statement {
public:
    Statement(sqlite3* db, const QString& sql)
    {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &m_stmt, nullptr) != SQLITE_OK)
            m_stmt = nullptr;
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    sqlite3_stmt* get() const { return m_stmt; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

QString textAt(sqlite3_stmt* stmt, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                             sqlite3_column_bytes(stmt, column));
}

} // namespace

SqliteReader::SqliteReader(const QString& path) : m_path(path)
{
    try {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            fail("cannot open");
        // Opening is lazy; the first statement finds out whether this is a database at all.
        tables();
    } catch (...) {
        sqlite3_close(m_db); // a failed open still holds a handle
        throw;
    }
}

SqliteReader::~SqliteReader() { sqlite3_close(m_db); }

void SqliteReader::fail(const QString& what) const
{
    throw std::runtime_error(QString("%1 %2: %3")
                                 .arg(what, m_path, m_db ? sqlite3_errmsg(m_db) : "out of memory")
                                 .toStdString());
}

QStringList SqliteReader::tables() const
{
    Statement stmt(m_db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' "
                         "ESCAPE '\\' ORDER BY rowid");
    if (!stmt.get())
        fail("cannot read the tables of");
    QStringList out;
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW)
        out << textAt(stmt.get(), 0);
    if (rc != SQLITE_DONE)
        fail("cannot read the tables of");
    return out;
}

std::vector<SqliteColumn> SqliteReader::columns(const QString& table) const
{
    Statement stmt(m_db, "PRAGMA table_info(" + quoted(table) + ")");
    if (!stmt.get())
        fail("cannot read the columns of " + table + " in");
    std::vector<SqliteColumn> out;
    while (sqlite3_step(stmt.get()) == SQLITE_ROW)
        out.push_back({textAt(stmt.get(), 1), textAt(stmt.get(), 2)});
    return out;
}

void SqliteReader::forEachRow(const QString& table, const QStringList& columns,
                              const std::function<void(const std::vector<Cell>&)>& row) const
{
    QStringList names;
    for (const QString& column : columns)
        names << quoted(column);
    Statement stmt(m_db, "SELECT " + names.join(", ") + " FROM " + quoted(table));
    if (!stmt.get())
        fail("cannot read table " + table + " in");
    std::vector<Cell> cells(size_t(columns.size()));
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        for (int c = 0; c < columns.size(); ++c) {
            switch (sqlite3_column_type(stmt.get(), c)) {
            case SQLITE_INTEGER: cells[size_t(c)] = qint64(sqlite3_column_int64(stmt.get(), c)); break;
            case SQLITE_FLOAT: cells[size_t(c)] = sqlite3_column_double(stmt.get(), c); break;
            case SQLITE_TEXT: cells[size_t(c)] = textAt(stmt.get(), c); break;
            case SQLITE_NULL: cells[size_t(c)] = std::monostate(); break;
            default:
                throw std::runtime_error("table " + table.toStdString() + ", column " +
                                         columns[c].toStdString() + ": binary values are not copied");
            }
        }
        row(cells);
    }
    if (rc != SQLITE_DONE)
        fail("cannot read table " + table + " in");
}

} // namespace jet

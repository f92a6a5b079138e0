#include "data/RowWriter.h"

#include "data/BoundValue.h"
#include "data/DbError.h"

#include <QStringList>

#include <sqlite3.h>


namespace {

QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

[[noreturn]] void fail(sqlite3* db, const QString& table, const char* what)
{
    throw DbError(QStringLiteral("Cannot %1 the row of %2: %3").arg(QLatin1String(what), table, QString::fromUtf8(sqlite3_errmsg(db))));
}

StatementPtr prepare(sqlite3* db, const QString& sql, const QString& table, const char* what)
{
    sqlite3_stmt* raw = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), utf8.size(), &raw, nullptr) != SQLITE_OK)
        fail(db, table, what);
    return StatementPtr(raw);
}

void bind(sqlite3* db, sqlite3_stmt* s, int at, const Value& v, const QString& table, const char* what)
{
    if (bindValue(s, at, v) != SQLITE_OK)
        fail(db, table, what);
}

// Runs one bound statement inside its own transaction; returns the first column of its one
// row (RETURNING rowid), or -1 when it returned none.
int64_t runAlone(sqlite3* db, sqlite3_stmt* s, const QString& table, const char* what)
{
    // IMMEDIATE takes the write lock at once, so a locked file fails here, before any change.
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(db, table, what);
    int64_t key = -1;
    int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW) {
        key = sqlite3_column_int64(s, 0);
        rc = sqlite3_step(s);
    }
    if (rc != SQLITE_DONE) {
        const QString why = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_reset(s);
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw DbError(QStringLiteral("Cannot %1 the row of %2: %3").arg(QLatin1String(what), table, why));
    }
    sqlite3_reset(s);
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString why = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw DbError(QStringLiteral("Cannot %1 the row of %2: %3").arg(QLatin1String(what), table, why));
    }
    return key;
}

} // namespace

int64_t insertRow(sqlite3* db, const QString& table, const ColumnValues& values)
{
    QString sql = QStringLiteral("INSERT INTO %1").arg(quoted(table));
    if (values.isEmpty()) {
        sql += QStringLiteral(" DEFAULT VALUES");
    } else {
        QStringList names, marks;
        for (const auto& v : values) {
            names << quoted(v.first);
            marks << QStringLiteral("?");
        }
        sql += QStringLiteral(" (%1) VALUES (%2)").arg(names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    }
    sql += QStringLiteral(" RETURNING rowid");
    StatementPtr s = prepare(db, sql, table, "insert");
    for (int i = 0; i < values.size(); ++i)
        bind(db, s.get(), i + 1, values[i].second, table, "insert");
    return runAlone(db, s.get(), table, "insert");
}

int64_t updateRow(sqlite3* db, const QString& table, int64_t rowKey, const ColumnValues& values)
{
    if (values.isEmpty())
        return rowKey;
    QStringList sets;
    for (const auto& v : values)
        sets << quoted(v.first) + QStringLiteral(" = ?");
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ? RETURNING rowid").arg(quoted(table), sets.join(QStringLiteral(", ")));
    StatementPtr s = prepare(db, sql, table, "update");
    for (int i = 0; i < values.size(); ++i)
        bind(db, s.get(), i + 1, values[i].second, table, "update");
    sqlite3_bind_int64(s.get(), values.size() + 1, rowKey);
    const int64_t key = runAlone(db, s.get(), table, "update");
    if (key < 0)
        throw DbError(QStringLiteral("Cannot update the row of %1: another program has deleted it").arg(table));
    return key;
}

void deleteRow(sqlite3* db, const QString& table, int64_t rowKey)
{
    StatementPtr s = prepare(db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(table)), table, "delete");
    sqlite3_bind_int64(s.get(), 1, rowKey);
    runAlone(db, s.get(), table, "delete");
}

bool valueTaken(sqlite3* db, const QString& table, const QString& column, const Value& value, int64_t exceptRowKey)
{
    StatementPtr s = prepare(db, QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? AND rowid <> ? LIMIT 1").arg(quoted(table), quoted(column)), table, "check");
    bind(db, s.get(), 1, value, table, "check");
    sqlite3_bind_int64(s.get(), 2, exceptRowKey);
    const int rc = sqlite3_step(s.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(db, table, "check");
    return rc == SQLITE_ROW;
}

int64_t nextFreeValue(sqlite3* db, const QString& table, const QString& column)
{
    StatementPtr s = prepare(db, QStringLiteral("SELECT coalesce(max(%1), 0) + 1 FROM %2").arg(quoted(column), quoted(table)), table, "read");
    if (sqlite3_step(s.get()) != SQLITE_ROW)
        fail(db, table, "read");
    return sqlite3_column_int64(s.get(), 0);
}

#include "tests/support/TinyDb.h"

#include "data/Dataset.h"

#include <sqlite3.h>

#include <stdexcept>

TinyDb::TinyDb(const char* sql)
{
    const QString path = m_dir.path() + QStringLiteral("/gd.mdb");
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot create the test database");
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("test database: " + message);
    m_connection.setConnectionString(Connection::composeConnectionString(folder()));
}

std::unique_ptr<Dataset> TinyDb::query(const QString& jetSql)
{
    auto dataset = std::make_unique<Dataset>(m_connection);
    dataset->setSql(jetSql);
    dataset->open();
    return dataset;
}

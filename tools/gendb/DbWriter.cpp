#include "tools/gendb/DbWriter.h"

#include "tools/gendb/SchemaText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <stdexcept>

namespace gen {

DbWriter::DbWriter(const QString& path) : m_path(path), m_tempPath(path + ".part")
{
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath()))
        throw std::runtime_error("cannot create folder " + target.absolutePath().toStdString());
    QFile::remove(m_tempPath);
    if (sqlite3_open_v2(QFile::encodeName(m_tempPath).constData(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        const std::string why = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw std::runtime_error("cannot create " + m_tempPath.toStdString() + ": " + why);
    }
    // A file that is thrown away on failure needs no journal.
    exec("PRAGMA journal_mode = OFF");
    exec("PRAGMA synchronous = OFF");
    exec(schemaText());
    exec("BEGIN");
}

DbWriter::~DbWriter()
{
    if (m_db) {
        sqlite3_close(m_db);
        QFile::remove(m_tempPath);
    }
}

std::unique_ptr<TableInserter> DbWriter::table(const std::string& name, const std::vector<std::string>& columns)
{
    return std::make_unique<TableInserter>(m_db, name, columns);
}

void DbWriter::exec(const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string why = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error("database generation failed: " + why);
    }
}

void DbWriter::finish()
{
    exec("COMMIT");
    exec("PRAGMA journal_mode = DELETE");
    if (sqlite3_close(m_db) != SQLITE_OK)
        throw std::runtime_error("cannot close " + m_tempPath.toStdString());
    m_db = nullptr;
    if (QFile::exists(m_path) && !QFile::remove(m_path)) {
        QFile::remove(m_tempPath);
        throw std::runtime_error("cannot replace " + m_path.toStdString());
    }
    if (!QFile::rename(m_tempPath, m_path)) {
        QFile::remove(m_tempPath);
        throw std::runtime_error("cannot write " + m_path.toStdString());
    }
}

} // namespace gen

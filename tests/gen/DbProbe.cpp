#include "tests/gen/DbProbe.h"

#include <QCryptographicHash>
#include <QFile>
#include <algorithm>
#include <sqlite3.h>
#include <stdexcept>

DbProbe::DbProbe(const QString& path)
{
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + path.toStdString());
}

DbProbe::~DbProbe() { sqlite3_close(m_db); }

std::vector<std::string> DbProbe::rows(const std::string& sql) const
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(m_db));
    std::vector<std::string> out;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::string line;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            const unsigned char* v = sqlite3_column_text(stmt, c);
            line += (c ? "|" : "") + std::string(v ? reinterpret_cast<const char*>(v) : "");
        }
        out.push_back(line);
    }
    sqlite3_finalize(stmt);
    return out;
}

std::vector<std::string> DbProbe::column(const std::string& sql) const
{
    std::vector<std::string> out;
    for (const std::string& line : rows(sql))
        out.push_back(line.substr(0, line.find('|')));
    return out;
}

std::string DbProbe::text(const std::string& sql) const
{
    const auto r = rows(sql);
    if (r.empty())
        throw std::runtime_error("no row: " + sql);
    return r.front();
}

long long DbProbe::integer(const std::string& sql) const { return std::stoll(text(sql)); }

std::string DbProbe::tableDigest(const std::string& table) const
{
    auto lines = rows("SELECT * FROM \"" + table + "\"");
    std::sort(lines.begin(), lines.end());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const std::string& line : lines)
        hash.addData(QByteArray::fromStdString(line + "\n"));
    return hash.result().toHex().toStdString();
}

#include "data/SharedRows.h"

#include "data/Connection.h"
#include "data/ReadFailure.h"

#include <sqlite3.h>

#include <algorithm>

namespace {

// The rows of this many recent keys stay, within this many bytes.
const int kKeyedEntries = 512;
const size_t kKeyedBytes = 64u << 20;
// Whole results no dataset shows stay within this many bytes, the most recently used first.
const size_t kIdleWholeBytes = 256u << 20;

[[noreturn]] void statementFailed(sqlite3* db, const QString& shownStatement) {
    throw readFailure(db, shownStatement);
}

// The text and the bound values together name one result.
QString resultKey(const QString& sql, const QHash<QString, Value>& params) {
    QStringList names = params.keys();
    names.sort();
    QString key = sql;
    for (const QString& n : names) {
        const Value v = params.value(n);
        key += QLatin1Char('\x1f') + n + QLatin1Char('=') + QString::number(int(v.type())) +
               QLatin1Char(':') + v.toText();
    }
    return key;
}

} // namespace

SharedRows::SharedRows(Connection& connection) : m_connection(connection) {}

SharedRows::~SharedRows() {
    clear();
}

void SharedRows::clear() {
    m_ahead.stopAll();
    for (sqlite3_stmt* s : std::as_const(m_keyedStatements))
        sqlite3_finalize(s);
    m_keyedStatements.clear();
    dropRows();
}

void SharedRows::dropRows() {
    m_statements.clear();
    m_whole.clear();
    m_keyed.clear();
    m_keyedIndex.clear();
    m_keyedBytes = 0;
}

void SharedRows::dropIfStale() {
    if (m_connection.writeCount() == m_writeCount)
        return;
    // Prepared statements survive a write (SQLite prepares them again when the schema has
    // changed); what they returned does not.
    m_ahead.stopAll();
    dropRows();
    m_writeCount = m_connection.writeCount();
}

std::shared_ptr<const StatementInfo> SharedRows::statement(const QString& sqliteSql, bool withRowid,
                                                           const QString& shownStatement) {
    dropIfStale();
    const QString key = (withRowid ? QStringLiteral("r") : QStringLiteral("s")) + sqliteSql;
    auto it = m_statements.constFind(key);
    if (it != m_statements.constEnd())
        return it.value();
    auto info =
        std::make_shared<const StatementInfo>(m_connection.handle(), sqliteSql, withRowid, shownStatement);
    m_statements.insert(key, info);
    return info;
}

SharedRowSet SharedRows::allRows(const StatementInfo& info, const QHash<QString, Value>& params, bool share,
                                 const QString& shownStatement) {
    dropIfStale();
    const QString key = resultKey(info.sql(), params);
    if (share) {
        keepReadsAhead();
        auto it = m_whole.find(key);
        if (it != m_whole.end()) {
            it->lastUse = ++m_useClock;
            return it->rows;
        }
        if (SharedRowSet ahead = m_ahead.take(key, m_connection.writeCount())) {
            keepWhole(key, ahead);
            return ahead;
        }
    }
    SharedRowSet rows =
        readWhole(m_connection.handle(), {info.sql(), info.names(), info.withRowid(), params, shownStatement});
    if (share)
        keepWhole(key, rows);
    return rows;
}

void SharedRows::readAhead(const StatementInfo& info, const QHash<QString, Value>& params,
                           const QString& shownStatement) {
    dropIfStale();
    keepReadsAhead();
    const QString key = resultKey(info.sql(), params);
    if (m_whole.contains(key) || m_ahead.has(key))
        return;
    m_ahead.start(key, Connection::dataSourceOf(m_connection.connectionString()), m_connection.writeCount(),
                  {info.sql(), info.names(), info.withRowid(), params, shownStatement});
}

bool SharedRows::readingAhead() const {
    return m_ahead.running();
}

void SharedRows::stopReadsAhead() {
    m_ahead.stopAll();
}

void SharedRows::keepReadsAhead() {
    const QHash<QString, SharedRowSet> ended = m_ahead.takeEnded(m_connection.writeCount());
    for (auto it = ended.begin(); it != ended.end(); ++it)
        keepWhole(it.key(), it.value());
}

void SharedRows::keepWhole(const QString& key, const SharedRowSet& rows) {
    m_whole.insert(key, WholeEntry{rows, ++m_useClock});
    trimWhole();
}

sqlite3_stmt* SharedRows::prepared(const QString& sql, const QString& shownStatement) {
    if (sqlite3_stmt* s = m_keyedStatements.value(sql))
        return s;
    sqlite3* db = m_connection.handle();
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), utf8.size(), &stmt, nullptr) != SQLITE_OK || !stmt) {
        sqlite3_finalize(stmt);
        statementFailed(db, shownStatement);
    }
    m_keyedStatements.insert(sql, stmt);
    return stmt;
}

void SharedRows::bindKeys(sqlite3_stmt* stmt, const QVector<qint64>& keys, const QString& shownStatement) {
    for (int i = 0; i < keys.size(); ++i) {
        const QByteArray name = ":tavrin_key" + QByteArray::number(i);
        if (sqlite3_bind_int64(stmt, sqlite3_bind_parameter_index(stmt, name.constData()), keys[i]) !=
            SQLITE_OK)
            statementFailed(m_connection.handle(), shownStatement);
    }
}

namespace {

QString keyOf(const StatementInfo& info, const QVector<int>& columns, const QVector<qint64>& keys) {
    QString key = info.sql();
    for (int i = 0; i < columns.size(); ++i)
        key +=
            QLatin1Char('\x1f') + QString::number(columns[i]) + QLatin1Char('=') + QString::number(keys[i]);
    return key;
}

// Leaves a kept statement ready for its next use, also when a fetch throws.
struct Rewind {
    sqlite3_stmt* s;
    ~Rewind() {
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
    }
};

} // namespace

SharedRowSet SharedRows::cachedKeyRows(const StatementInfo& info, const QVector<int>& columns,
                                       const QVector<qint64>& keys) {
    dropIfStale();
    auto hit = m_keyedIndex.constFind(keyOf(info, columns, keys));
    if (hit == m_keyedIndex.constEnd())
        return nullptr;
    m_keyed.splice(m_keyed.begin(), m_keyed, hit.value());
    return m_keyed.front().second;
}

bool SharedRows::keyHasRows(const StatementInfo& info, const QVector<int>& columns,
                            const QVector<qint64>& keys, const QString& shownStatement) {
    if (const SharedRowSet kept = cachedKeyRows(info, columns, keys))
        return kept->rowCount() > 0;
    sqlite3_stmt* stmt = prepared(info.keyedProbeSql(columns), shownStatement);
    Rewind rewind{stmt};
    bindKeys(stmt, keys, shownStatement);
    if (sqlite3_step(stmt) != SQLITE_ROW)
        statementFailed(m_connection.handle(), shownStatement);
    return sqlite3_column_int(stmt, 0) != 0;
}

SharedRowSet SharedRows::keyRows(const StatementInfo& info, const QVector<int>& columns,
                                 const QVector<qint64>& keys, const QString& shownStatement) {
    if (SharedRowSet kept = cachedKeyRows(info, columns, keys))
        return kept;
    sqlite3_stmt* stmt = prepared(info.keyedSql(columns), shownStatement);
    Rewind rewind{stmt};
    bindKeys(stmt, keys, shownStatement);
    SharedRowSet rows = RowSet::fetch(m_connection.handle(), stmt, info.names(), info.withRowid(),
                                      info.typeFloor(), shownStatement);
    const QString key = keyOf(info, columns, keys);
    m_keyed.emplace_front(key, rows);
    m_keyedIndex.insert(key, m_keyed.begin());
    m_keyedBytes += rows->cellBytes();
    trimKeyed();
    return rows;
}

void SharedRows::trimKeyed() {
    while (m_keyed.size() > 1 && (m_keyed.size() > size_t(kKeyedEntries) || m_keyedBytes > kKeyedBytes)) {
        m_keyedBytes -= m_keyed.back().second->cellBytes();
        m_keyedIndex.remove(m_keyed.back().first);
        m_keyed.pop_back();
    }
}

void SharedRows::trimWhole() {
    while (idleBytes() > kIdleWholeBytes) {
        auto oldest = m_whole.end();
        for (auto it = m_whole.begin(); it != m_whole.end(); ++it)
            if (it->rows.use_count() == 1 && (oldest == m_whole.end() || it->lastUse < oldest->lastUse))
                oldest = it;
        if (oldest == m_whole.end())
            return;
        m_whole.erase(oldest);
    }
}

size_t SharedRows::idleBytes() const {
    size_t bytes = 0;
    for (const WholeEntry& e : m_whole)
        if (e.rows.use_count() == 1)
            bytes += e.rows->cellBytes();
    return bytes;
}

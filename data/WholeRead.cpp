#include "data/WholeRead.h"

#include "data/BoundValue.h"
#include "data/DbError.h"
#include "data/ReadConnection.h"
#include "data/ReadFailure.h"

#include <sqlite3.h>

#include <atomic>

namespace {

void bindParams(sqlite3* db, sqlite3_stmt* stmt, const QHash<QString, Value>& params, const QString& shown)
{
    const int count = sqlite3_bind_parameter_count(stmt);
    for (int i = 1; i <= count; ++i) {
        const char* raw = sqlite3_bind_parameter_name(stmt, i);
        if (!raw)
            throw DbError(QStringLiteral("Unnamed parameter in statement: %1").arg(shown));
        if (bindValue(stmt, i, params.value(QString::fromUtf8(raw + 1).toLower())) != SQLITE_OK)
            throw readFailure(db, shown);
    }
}

} // namespace

SharedRowSet readWhole(sqlite3* db, const WholeStatement& statement)
{
    sqlite3_stmt* raw = nullptr;
    const QByteArray utf8 = statement.sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), utf8.size(), &raw, nullptr);
    StatementPtr stmt(raw);
    if (rc != SQLITE_OK || !stmt)
        throw readFailure(db, statement.shown);
    bindParams(db, stmt.get(), statement.params, statement.shown);
    return RowSet::fetch(db, stmt.get(), statement.names, statement.withRowid, {}, statement.shown);
}

struct ReadsAhead::Job {
    WholeStatement statement;
    QString file;
    quint64 writeCount = 0;
    ReadStop stop;
    // Written by the thread, read once it has been joined.
    SharedRowSet rows;
    std::atomic<bool> done{false};

    void run()
    {
        try {
            ReadConnection connection(file, &stop);
            SharedRowSet read = readWhole(connection.db(), statement);
            if (!stop.stopped())
                rows = std::move(read);
        } catch (...) {
            // Whoever wants the rows reads them on the program's connection and reports there.
        }
        done = true;
    }
};

ReadsAhead::ReadsAhead() = default;

ReadsAhead::~ReadsAhead()
{
    stopAll();
}

void ReadsAhead::start(const QString& key, const QString& file, quint64 writeCount, WholeStatement statement)
{
    if (m_reads.contains(key))
        return;
    auto read = std::make_shared<Read>();
    read->job = std::make_shared<Job>();
    read->job->statement = std::move(statement);
    read->job->file = file;
    read->job->writeCount = writeCount;
    read->thread = std::thread([job = read->job] { job->run(); });
    m_reads.insert(key, read);
}

bool ReadsAhead::running() const
{
    for (const auto& read : m_reads)
        if (!read->job->done)
            return true;
    return false;
}

SharedRowSet ReadsAhead::ended(Read& read, quint64 writeCount)
{
    if (read.thread.joinable())
        read.thread.join();
    return read.job->writeCount == writeCount ? read.job->rows : nullptr;
}

SharedRowSet ReadsAhead::take(const QString& key, quint64 writeCount)
{
    const std::shared_ptr<Read> read = m_reads.take(key);
    return read ? ended(*read, writeCount) : nullptr;
}

QHash<QString, SharedRowSet> ReadsAhead::takeEnded(quint64 writeCount)
{
    QHash<QString, SharedRowSet> rows;
    for (auto it = m_reads.begin(); it != m_reads.end();) {
        if (!(*it)->job->done) {
            ++it;
            continue;
        }
        if (SharedRowSet read = ended(**it, writeCount))
            rows.insert(it.key(), read);
        it = m_reads.erase(it);
    }
    return rows;
}

void ReadsAhead::stopAll()
{
    for (const auto& read : std::as_const(m_reads))
        read->job->stop.stop();
    for (const auto& read : std::as_const(m_reads))
        if (read->thread.joinable())
            read->thread.join();
    m_reads.clear();
}

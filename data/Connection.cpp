#include "data/Connection.h"

#include "data/DatabaseFileCheck.h"
#include "data/DbError.h"
#include "data/ReadFailure.h"
#include "data/SharedRows.h"

#include <sqlite3.h>

namespace {

const char* const kPieceBefore = "Provider=Microsoft.Jet.OLEDB.4.0;  User ID=Admin;  Data Source=";
const char* const kFileName = "gd.mdb";
const char* const kPieceAfter =
    "; Mode=ReadWrite;  Jet OLEDB:Engine Type=5;  Jet OLEDB:Database Locking Mode=1;  "
    "Jet OLEDB:Global Partial Bulk Ops=2;  Jet OLEDB:Global Bulk Transactions=1;  "
    "Jet OLEDB:Create System Database=False;  Jet OLEDB:Encrypt Database=False;  "
    "Jet OLEDB:Don't Copy Locale on Compact=False;  Jet OLEDB:Compact Without Replica Repair=False;  "
    "Jet OLEDB:SFP=False";

// Every post is a transaction of its own, committed before the window goes on. The file keeps
// its own journal mode (the rollback journal unless someone chose WAL, both survive a killed
// process); FULL syncs the journal and the file at each commit, so a post that returned is on
// the disk even if the machine then loses power. A person posts a row at a time: the sync costs
// nothing they can see.
const char* const kSyncEachCommit = "PRAGMA synchronous = FULL";

} // namespace

Connection::Connection() : m_shared(std::make_unique<SharedRows>(*this)) {}

Connection::~Connection()
{
    close();
}

QString Connection::composeConnectionString(const QString& exeFolderWithSeparator)
{
    return composeConnectionStringForFile(exeFolderWithSeparator + QString::fromLatin1(kFileName));
}

QString Connection::composeConnectionStringForFile(const QString& file)
{
    return QString::fromLatin1(kPieceBefore) + file + QString::fromLatin1(kPieceAfter);
}

QString Connection::dataSourceOf(const QString& connectionString)
{
    const QString key = QStringLiteral("Data Source=");
    const int at = connectionString.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    const int from = at + key.size();
    const int end = connectionString.indexOf(QLatin1Char(';'), from);
    return connectionString.mid(from, end < 0 ? -1 : end - from).trimmed();
}

void Connection::setConnectionString(const QString& s)
{
    m_connectionString = s;
}

QString Connection::connectionString() const
{
    return m_connectionString;
}

void Connection::setReadOnly(const QString& why)
{
    m_readOnlyReason = why;
}

void Connection::setShownFile(const QString& file)
{
    m_shownFile = file;
}

void Connection::open()
{
    if (m_db)
        return;
    const QString path = dataSourceOf(m_connectionString);
    if (path.isEmpty())
        throw DbError(QStringLiteral("The connection string names no database file (no \"Data Source=\" piece)"));

    sqlite3* db = openDatabaseFile(path, isReadOnly());
    sqlite3_exec(db, kSyncEachCommit, nullptr, nullptr, nullptr);
    try {
        probeOpenDatabase(db, path);
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    if (!m_shownFile.isEmpty())
        nameFileOf(db, m_shownFile);
    m_db = db;
}

void Connection::close()
{
    if (!m_db)
        return;
    // The only statements kept between fetches are the shared ones, finalised here, so
    // close_v2 frees the handle at once.
    m_shared->clear();
    forgetFileOf(m_db);
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool Connection::isOpen() const
{
    return m_db != nullptr;
}

sqlite3* Connection::handle()
{
    if (!m_db)
        open();
    return m_db;
}

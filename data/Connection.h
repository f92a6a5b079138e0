#pragma once
// The one connection to the game database file. The connection string is kept as composed; the
// file path is taken from its "Data Source=" piece. The file is an SQLite database (it keeps the
// name gd.mdb) and is never created when it is absent.

#include <QString>
#include <QtGlobal>

#include <memory>

class SharedRows;
struct sqlite3;

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    /// The three pieces with the executable's folder (with its trailing separator) between them.
    static QString composeConnectionString(const QString& exeFolderWithSeparator);
    /// The same connection string naming a database file of any name and place.
    static QString composeConnectionStringForFile(const QString& file);
    /// Path between "Data Source=" and the next ";" (trimmed); empty when there is none.
    static QString dataSourceOf(const QString& connectionString);

    void setConnectionString(const QString& s);
    QString connectionString() const;

    /// From the next open on, opens the file read-only and refuses every write with `why` (a
    /// sentence for the user); an empty text makes it writable again.
    void setReadOnly(const QString& why);
    bool isReadOnly() const { return !m_readOnlyReason.isEmpty(); }
    QString readOnlyReason() const { return m_readOnlyReason; }
    /// The file a failed read names from the next open on: a copy names the file it was made
    /// from. Empty: the file opened.
    void setShownFile(const QString& file);

    /// Opens the file read-write (read-only when set so). Throws DbError when it is missing, unreadable, locked, not a
    /// database (a Jet/Access file is recognised and named as such) or corrupt.
    void open();
    void close();
    bool isOpen() const;

    /// The open handle (opens first when closed).
    sqlite3* handle();

    /// Counts the writes made through this connection. The rows its datasets share (sharedRows())
    /// hold only for the count they were fetched at: whatever writes to the file calls
    /// noteWrite() after each write that succeeds, and the next open or key change of any
    /// dataset fetches afresh. Datasets that are open keep showing what they fetched.
    quint64 writeCount() const { return m_writeCount; }
    void noteWrite() { ++m_writeCount; }

    /// The statements and rows the datasets over this connection share; emptied when the
    /// connection closes.
    SharedRows& sharedRows() { return *m_shared; }

private:
    QString m_connectionString;
    QString m_readOnlyReason;
    QString m_shownFile;
    sqlite3* m_db = nullptr;
    quint64 m_writeCount = 0;
    std::unique_ptr<SharedRows> m_shared;
};

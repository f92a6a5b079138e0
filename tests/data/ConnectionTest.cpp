// The connection string, and what opening says about files that are not the game database.

#include "data/Connection.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "tests/data/TestDb.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(ConnectionString, ComposedFromThePiecesAroundTheFolder)
{
    const QString s = Connection::composeConnectionString(QStringLiteral("/opt/My Games/Tavrin/"));
    EXPECT_EQ(s, QStringLiteral(
                     "Provider=Microsoft.Jet.OLEDB.4.0;  User ID=Admin;  Data Source=/opt/My Games/Tavrin/gd.mdb; "
                     "Mode=ReadWrite;  Jet OLEDB:Engine Type=5;  Jet OLEDB:Database Locking Mode=1;  Jet OLEDB:Global "
                     "Partial Bulk Ops=2;  Jet OLEDB:Global Bulk Transactions=1;  Jet OLEDB:Create System Database=False;  "
                     "Jet OLEDB:Encrypt Database=False;  Jet OLEDB:Don't Copy Locale on Compact=False;  Jet "
                     "OLEDB:Compact Without Replica Repair=False;  Jet OLEDB:SFP=False"));
    EXPECT_EQ(Connection::dataSourceOf(s), QStringLiteral("/opt/My Games/Tavrin/gd.mdb")) << "blanks stay, no quotes";
    EXPECT_EQ(Connection::dataSourceOf(Connection::composeConnectionString(QStringLiteral("C:\\Games\\Tool\\"))),
              QStringLiteral("C:\\Games\\Tool\\gd.mdb"));
    EXPECT_EQ(Connection::dataSourceOf(QStringLiteral("Provider=x; User ID=Admin")), QString());
}

TEST(ConnectionOpen, WorksFromAFolderWithBlanksAndNeverCreatesAFile)
{
    TestDb db(standardRows(), QStringLiteral("My Game Folder"));
    Connection c;
    db.point(c);
    ASSERT_NO_THROW(c.open());
    EXPECT_TRUE(c.isOpen());
    c.close();
    EXPECT_FALSE(c.isOpen());

    QTemporaryDir empty;
    Connection missing;
    missing.setConnectionString(Connection::composeConnectionString(empty.path() + QLatin1Char('/')));
    EXPECT_THROW(missing.open(), DbError);
    EXPECT_FALSE(QFile::exists(empty.path() + QStringLiteral("/gd.mdb")));
    EXPECT_FALSE(missing.isOpen());
}

struct BadFile {
    const char* what;
    QByteArray contents;
    const char* expected; // part of the message (the path is always named too)
};

QByteArray jetHeader(const char* engine)
{
    QByteArray b(4, '\0');
    b[0] = 0;
    b[1] = 1;
    b += engine;
    b += QByteArray(2048, '\0');
    return b;
}

QByteArray truncatedDatabase()
{
    TestDb db(standardRows());
    QFile f(db.path());
    f.open(QIODevice::ReadOnly);
    const QByteArray all = f.readAll();
    return all.left(all.size() / 2);
}

QByteArray damagedDatabase()
{
    TestDb db(standardRows());
    QFile f(db.path());
    f.open(QIODevice::ReadOnly);
    QByteArray all = f.readAll();
    // Overwrite everything after the first page (schema pages included) with noise.
    for (int i = 4096; i < all.size(); ++i)
        all[i] = char((i * 37) & 0xff);
    return all;
}

TEST(ConnectionOpen, BadFilesGiveAClearErrorNamingThePath)
{
    const BadFile cases[] = {
        {"empty file", QByteArray(), "is empty, not a database"},
        {"text file", QByteArray("id;name\n1;Sword\n"), "is not a database file"},
        {"Jet file", jetHeader("Standard Jet DB"), "is a Jet/Access database, which is read through an imported copy"},
        {"ACE file", jetHeader("Standard ACE DB"), "is a Jet/Access database"},
        {"truncated header", QByteArray("SQLite form"), "truncated or damaged"},
        {"truncated file", truncatedDatabase(), "truncated or damaged"},
        {"damaged pages", damagedDatabase(), "damaged"},
    };
    for (const BadFile& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/gd.mdb");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.contents);
        f.close();
        Connection conn;
        conn.setConnectionString(Connection::composeConnectionString(dir.path() + QLatin1Char('/')));
        try {
            conn.open();
            // Damage past the schema can pass the opening checks; the first statement must fail then.
            Dataset d(conn);
            d.setSql(QStringLiteral("select * from drops"));
            d.open();
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(c.expected)) || e.message().contains(QStringLiteral("malformed")))
                << c.what << ": " << e.what();
            EXPECT_TRUE(e.message().contains(path) || e.message().contains(QStringLiteral("select * from drops")))
                << c.what << ": " << e.what();
        }
    }

    QTemporaryDir dir;
    Connection missing;
    missing.setConnectionString(Connection::composeConnectionString(dir.path() + QLatin1Char('/')));
    try {
        missing.open();
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Database file not found: ") + dir.path() + QStringLiteral("/gd.mdb"));
    }
}

TEST(ConnectionOpen, OnlyARegularFileIsOpened)
{
    // A pipe blocks a reader until a writer comes, a device never ends: both must be refused
    // at once. Each open runs aside so that a hang shows as a failure, not as a stuck suite.
    QTemporaryDir pipeDir, deviceDir;
    const QString pipe = pipeDir.path() + QStringLiteral("/gd.mdb");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), deviceDir.path() + QStringLiteral("/gd.mdb")));
    for (const QString& folder : {pipeDir.path(), deviceDir.path()}) {
        const QString path = folder + QStringLiteral("/gd.mdb");
        auto opening = std::async(std::launch::async, [folder] {
            Connection c;
            c.setConnectionString(Connection::composeConnectionString(folder + QLatin1Char('/')));
            try {
                c.open();
            } catch (const DbError& e) {
                return e.message();
            }
            return QStringLiteral("opened");
        });
        if (opening.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << path.toStdString() << ": opening hangs";
            // Free the blocked reader so that the test can end.
            const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
        EXPECT_EQ(opening.get(), path + QStringLiteral(" is not a regular file (a pipe, socket or device), not a "
                                                       "database file"));
    }
}

TEST(ConnectionOpen, ALockedFileIsReportedAsLocked)
{
    TestDb db(standardRows());
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(db.path()).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; DELETE FROM drops;", nullptr, nullptr, nullptr), SQLITE_OK);
    Connection c;
    db.point(c);
    try {
        c.open();
        ADD_FAILURE() << "opened a locked file";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("locked"))) << e.what();
    }
    sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_NO_THROW(c.open()) << "once the lock is gone the same connection opens";
}

TEST(ConnectionOpen, AStatementSQLiteRejectsKeepsTheStatementForTheDetails)
{
    TestDb db(standardRows());
    Connection c;
    db.point(c);
    Dataset d(c);
    d.setObjectName(QStringLiteral("Probe"));
    d.setSql(QStringLiteral("SELECT name\nFROM nowhere"));
    try {
        d.open();
        FAIL();
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Database file %1 lacks a table or column the list needs (no such "
                                              "table: nowhere): the list Probe could not be read.")
                                   .arg(db.path()));
        EXPECT_TRUE(e.details().contains(QStringLiteral("SELECT name\nFROM nowhere"))) << e.details().toStdString();
    }
    EXPECT_FALSE(d.isOpen());
}

// Overwrites the pages of one table with noise. The schema stays whole, so opening the file
// succeeds and the damage shows only when that table is read.
void damageTable(const TestDb& db, const char* table)
{
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(db.path()).constData(), &raw), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = QByteArray("SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM sqlite_master "
                                      "WHERE name = '") + table + "'";
    ASSERT_EQ(sqlite3_prepare_v2(raw, sql.constData(), -1, &st, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    const qint64 root = sqlite3_column_int64(st, 0);
    const qint64 pageSize = sqlite3_column_int64(st, 1);
    sqlite3_finalize(st);
    sqlite3_close(raw);
    QFile f(db.path());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek((root - 1) * pageSize));
    QByteArray noise(int(pageSize), '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 37 + 11) & 0xff);
    f.write(noise);
}

TEST(ReadFailure, AfterOpeningSaysWhichFileWhatIsWrongAndWhichList)
{
    const QString statement = QStringLiteral("SELECT npc_id, item_id\nFROM drops\nORDER BY npc_id");
    TestDb db(standardRows());
    Connection c;
    db.point(c);
    ASSERT_NO_THROW(c.open());
    auto failureOf = [&](const QString& name, const QString& sql) -> DbError {
        Dataset d(c);
        d.setObjectName(name);
        d.setSql(sql);
        try {
            d.open();
        } catch (const DbError& e) {
            EXPECT_FALSE(d.isOpen());
            return e;
        }
        ADD_FAILURE() << name.toStdString() << " opened";
        return DbError(QString());
    };

    // Another program holds the file.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(db.path()).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; DELETE FROM drops;", nullptr, nullptr, nullptr), SQLITE_OK);
    DbError locked = failureOf(QStringLiteral("DropInfo"), statement);
    EXPECT_EQ(locked.message(), QStringLiteral("Database file %1 is locked by another program: the list DropInfo "
                                               "could not be read.").arg(db.path()));
    sqlite3_exec(other, "ROLLBACK; DROP TABLE quests;", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    // A table taken away after start-up.
    DbError missing = failureOf(QStringLiteral("QuestQuery"), QStringLiteral("select * from quests"));
    EXPECT_EQ(missing.message(), QStringLiteral("Database file %1 lacks a table or column the list needs (no such "
                                                "table: quests): the list QuestQuery could not be read.")
                                     .arg(db.path()));

    // Pages of one table damaged: the statement, with its line breaks, goes to the details only.
    damageTable(db, "drops");
    DbError damaged = failureOf(QStringLiteral("DropInfo"), statement);
    EXPECT_EQ(damaged.message(),
              QStringLiteral("Database file %1 is damaged: the list DropInfo could not be read.").arg(db.path()));
    EXPECT_EQ(damaged.file(), db.path());
    EXPECT_EQ(damaged.list(), QStringLiteral("DropInfo"));
    EXPECT_TRUE(damaged.details().startsWith(QStringLiteral("Statement:\n") + statement)) << damaged.details().toStdString();
    EXPECT_TRUE(damaged.details().contains(QStringLiteral("malformed"))) << damaged.details().toStdString();
    EXPECT_EQ(QString::fromUtf8(damaged.what()), damaged.message());

    // A whole-table list without a name of its own goes by its table.
    Dataset table(c);
    table.setTableName(QStringLiteral("drops"));
    try {
        table.open();
        ADD_FAILURE() << "damaged table opened";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("Database file %1 is damaged: the list drops could not be read.").arg(db.path()));
    }
}

} // namespace

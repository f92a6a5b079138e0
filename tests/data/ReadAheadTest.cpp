// A whole result read ahead on a thread of its own: the first reader gets exactly the rows a
// fetch of its own would have got, and nothing read before a noted write, by a read that failed
// or by one stopped for a write or a close is ever shown.

#include "data/Connection.h"
#include "data/Dataset.h"
#include "data/SharedRows.h"
#include "tests/data/TestDb.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const char* const kDrops =
    "SELECT drops.npc_id, drops.item_id, drops.percentage, itemnames.name FROM drops INNER JOIN itemnames ON "
    "itemnames.id = drops.item_id ORDER BY drops.percentage DESC";

class ReadAhead : public ::testing::Test {
protected:
    void SetUp() override { db.point(connection); }

    // Open, its rows waiting for their first reader, and read ahead.
    void openAndReadAhead(Dataset& d) {
        d.setSql(QString::fromUtf8(kDrops));
        d.open();
        ASSERT_TRUE(d.rowsPending());
        d.readAhead();
    }

    void waitForTheReads() {
        while (connection.sharedRows().readingAhead())
            QThread::msleep(1);
    }

    QString ownFetch() {
        Dataset own(connection);
        own.setSql(QString::fromUtf8(kDrops));
        own.setSharedRows(false);
        own.open();
        return rowsText(own);
    }

    // A write by another program, which the connection does not know of until it is noted.
    void addDropOf57() {
        db.exec(QStringLiteral(
            "INSERT INTO drops (npc_id,item_id,sweep,min,max,percentage) VALUES (2,57,0,1,1,99)"));
    }

    TestDb db{standardRows()};
    Connection connection;
};

TEST_F(ReadAhead, TheFirstReaderGetsTheRowsReadAheadAndSharesThem)
{
    const QString before = ownFetch();
    Dataset d(connection);
    openAndReadAhead(d);
    waitForTheReads();
    addDropOf57();
    EXPECT_EQ(rowsText(d), before) << "the rows read ahead, in their order, from before the other program's write";
    EXPECT_FALSE(d.rowsPending());

    Dataset second(connection);
    second.setSql(QString::fromUtf8(kDrops));
    second.open();
    EXPECT_EQ(rowsText(second), before) << "a second dataset of the text shares them";
    EXPECT_NE(ownFetch(), before) << "a fetch of its own sees the write";

    d.readAhead();
    EXPECT_FALSE(connection.sharedRows().readingAhead()) << "rows kept already are not read again";
}

TEST_F(ReadAhead, NothingReadBeforeANotedWriteOrByAFailedReadIsShown)
{
    Dataset d(connection);
    openAndReadAhead(d);
    waitForTheReads();
    addDropOf57();
    connection.noteWrite();
    EXPECT_EQ(rowsText(d), ownFetch()) << "after a noted write the reader fetches afresh";
    EXPECT_EQ(d.asText(QStringLiteral("percentage")), QStringLiteral("99"));

    // The read's own connection cannot open the file (moved away under the open connection):
    // the read leaves nothing and the reader fetches through the program's connection.
    Dataset other(connection);
    other.setSql(QString::fromUtf8(kDrops) + QStringLiteral(" , drops.npc_id"));
    other.open();
    ASSERT_TRUE(QFile::rename(db.path(), db.path() + QStringLiteral(".away")));
    other.readAhead();
    waitForTheReads();
    EXPECT_EQ(other.recordCount(), d.recordCount());
    ASSERT_TRUE(QFile::rename(db.path() + QStringLiteral(".away"), db.path()));
}

TEST_F(ReadAhead, AWriteOrACloseStopsTheReads)
{
    // Enough rows that the read is still running when the write comes.
    db.exec(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
        "INSERT INTO drops (npc_id,item_id,sweep,min,max,percentage) SELECT 2, 57, 0, 1, 1, i % 100 FROM n"));
    Dataset d(connection);
    openAndReadAhead(d);
    Dataset names(connection);
    names.setTableName(QStringLiteral("itemnames"));
    names.open();
    ASSERT_TRUE(names.locate(QStringLiteral("id"), QStringLiteral("58"), CaseInsensitive | PartialKey));
    names.edit();
    names.setFieldText(QStringLiteral("name"), QStringLiteral("Elder Branch"));
    names.post();
    EXPECT_FALSE(connection.sharedRows().readingAhead()) << "the write stopped the read";
    EXPECT_EQ(rowsText(d), ownFetch());

    Dataset again(connection);
    openAndReadAhead(again);
    connection.close();
    EXPECT_FALSE(connection.sharedRows().readingAhead()) << "the close stopped the read";
    connection.open();
    again.close();
    again.open();
    EXPECT_EQ(again.recordCount(), 100010);
}

} // namespace

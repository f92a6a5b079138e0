// Rows shared between datasets of one connection: a second dataset of the same text shows the
// rows the first fetched, a key's rows are kept, and a noted write drops all of it; an open
// dataset keeps what it shows. Rows that wait for their first reader tell the views that asked.

#include "data/Connection.h"
#include "data/Dataset.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

namespace {

const char* const kDrops = "SELECT npc_id, item_id, percentage FROM drops ORDER BY percentage DESC";

class Shared : public ::testing::Test {
protected:
    void SetUp() override { db.point(connection); }

    int rowsOf(const char* sql, const char* filter = nullptr, bool share = true) {
        Dataset d(connection);
        d.setSql(QString::fromUtf8(sql));
        d.setSharedRows(share);
        if (filter) {
            d.setFilter(QString::fromUtf8(filter));
            d.setFiltered(true);
        }
        d.open();
        return d.recordCount();
    }

    // A write by another program, or by an editor before it notes it.
    void addDropOf57() {
        db.exec(QStringLiteral(
            "INSERT INTO drops (npc_id,item_id,sweep,min,max,percentage) VALUES (2,57,0,1,1,1)"));
    }

    TestDb db{standardRows()};
    Connection connection;
};

TEST_F(Shared, ASecondDatasetShowsTheFirstOnesRowsUntilAWriteIsNoted)
{
    Dataset first(connection);
    first.setSql(QString::fromUtf8(kDrops));
    first.open();
    ASSERT_EQ(first.recordCount(), 10);
    addDropOf57();
    EXPECT_EQ(rowsOf(kDrops), 10) << "the rows fetched once serve every dataset of the text";
    EXPECT_EQ(rowsOf(kDrops, nullptr, false), 11) << "a dataset with rows of its own fetches them";

    connection.noteWrite();
    EXPECT_EQ(rowsOf(kDrops), 11) << "after a noted write the next open fetches again";
    EXPECT_EQ(first.recordCount(), 10) << "an open dataset keeps what it shows";
    first.close();
    first.open();
    EXPECT_EQ(first.recordCount(), 11);
}

TEST_F(Shared, AKeysRowsAreKeptUntilAWriteIsNoted)
{
    Dataset keyed(connection);
    keyed.setSql(QString::fromUtf8(kDrops));
    keyed.setFilter(QStringLiteral("item_id = '57'"));
    keyed.setFiltered(true);
    keyed.open();
    ASSERT_EQ(keyed.recordCount(), 5);
    EXPECT_EQ(keyed.fetchedRowCount(), 5) << "only the key's rows are fetched";
    addDropOf57();
    EXPECT_EQ(rowsOf(kDrops, "item_id = '57'"), 5);
    keyed.setFilter(QStringLiteral("item_id = '80'"));
    keyed.setFilter(QStringLiteral("item_id = '57'"));
    EXPECT_EQ(keyed.recordCount(), 5) << "the kept rows of the key";

    connection.noteWrite();
    EXPECT_EQ(rowsOf(kDrops, "item_id = '57'"), 6);
    keyed.setFilter(QStringLiteral("item_id = '80'"));
    keyed.setFilter(QStringLiteral("item_id = '57'"));
    EXPECT_EQ(keyed.recordCount(), 6) << "a key shown after the write is fetched again";
}

TEST_F(Shared, WholeTablesAndParametersAreNeverShared)
{
    Dataset table(connection);
    table.setTableName(QStringLiteral("drops"));
    table.open();
    EXPECT_FALSE(table.sharedRows());
    ASSERT_EQ(table.recordCount(), 10);
    addDropOf57();
    Dataset again(connection);
    again.setTableName(QStringLiteral("drops"));
    again.open();
    EXPECT_EQ(again.recordCount(), 11);

    // Rows for other parameter values are other rows.
    Dataset byItem(connection);
    byItem.setSql(QStringLiteral("SELECT * FROM drops WHERE item_id = :item"));
    byItem.setParam(QStringLiteral("item"), Value::integer(57));
    byItem.open();
    EXPECT_EQ(byItem.recordCount(), 6);
    byItem.close();
    byItem.setParam(QStringLiteral("item"), Value::integer(80));
    byItem.open();
    EXPECT_EQ(byItem.recordCount(), 3);
}

TEST_F(Shared, RowsWaitForTheirFirstReaderAndTellTheViewsThatAsked)
{
    Dataset d(connection);
    d.setSql(QString::fromUtf8(kDrops));
    int resets = 0;
    QObject::connect(&d, &Dataset::rowsChanged, [&] { ++resets; });
    d.open();
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(d.fetchedRowCount(), 0) << "opening fetches nothing";
    EXPECT_FALSE(d.isEmpty()) << "a probe knows there is a first row";
    EXPECT_EQ(d.recNo(), 0);
    // Nobody was told the rows are pending: reading fetches them without a reset.
    EXPECT_EQ(d.asText(QStringLiteral("percentage")), QStringLiteral("70"));
    EXPECT_EQ(resets, 1);
    EXPECT_FALSE(d.rowsPending());

    // Once fetched, the whole result serves every later filter.
    d.setFilter(QStringLiteral("item_id = '80'"));
    d.setFiltered(true);
    EXPECT_FALSE(d.rowsPending());
    EXPECT_EQ(d.recordCount(), 3);

    // A key's rows wait too; a view that saw them pending is reset when they come.
    Dataset k(connection);
    k.setSql(QString::fromUtf8(kDrops));
    k.setFilter(QStringLiteral("item_id = '1'"));
    k.setFiltered(true);
    k.open();
    int keyResets = 0;
    QObject::connect(&k, &Dataset::rowsChanged, [&] { ++keyResets; });
    k.setFilter(QStringLiteral("item_id = '80'"));
    EXPECT_EQ(keyResets, 1);
    ASSERT_TRUE(k.rowsPending());
    EXPECT_EQ(k.recNo(), 0);
    k.fetchRows();
    EXPECT_EQ(keyResets, 2);
    EXPECT_EQ(k.recordCount(), 3);
    k.fetchRows();
    EXPECT_EQ(keyResets, 2) << "nothing left to fetch";

    // A key without rows: empty at once, no row to move to.
    k.setFilter(QStringLiteral("item_id = '12345'"));
    EXPECT_TRUE(k.isEmpty());
    EXPECT_EQ(k.recNo(), -1);
    EXPECT_TRUE(k.eof());
}

TEST_F(Shared, ClosingTheConnectionDropsTheSharedRows)
{
    EXPECT_EQ(rowsOf(kDrops, "item_id = '57'"), 5);
    addDropOf57();
    connection.close();
    EXPECT_EQ(rowsOf(kDrops, "item_id = '57'"), 6) << "a connection opened again starts afresh";
}

} // namespace

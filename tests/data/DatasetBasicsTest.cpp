#include "data/Connection.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

namespace {

struct Opened {
    TestDb db{standardRows()};
    Connection connection;
    Opened() { db.point(connection); }
};

} // namespace

TEST(DatasetBasics, OpenMovesFirstAndRunsAfterOpenThenAfterScroll)
{
    Opened f;
    Dataset d(f.connection);
    QStringList calls;
    d.setAfterOpen([&] { calls << QStringLiteral("open:") + QString::number(d.recNo()); });
    d.setAfterScroll([&] { calls << QStringLiteral("scroll:") + d.asText(QStringLiteral("name")); });
    d.setSql(QStringLiteral("SELECT id, name FROM itemnames ORDER BY id"));
    d.open();
    EXPECT_TRUE(f.connection.isOpen()) << "opening a dataset opens its connection";
    EXPECT_EQ(calls, (QStringList{QStringLiteral("open:0"), QStringLiteral("scroll:Sword of Valor")}));
    EXPECT_EQ(d.recordCount(), 11);
    EXPECT_TRUE(d.bof());
    EXPECT_FALSE(d.eof());
}

TEST(DatasetBasics, NavigationStopsAtBothEndsAndNotifiesOnlyOnMoves)
{
    Opened f;
    Dataset d(f.connection);
    d.setSql(QStringLiteral("SELECT id FROM questnames ORDER BY id"));
    d.open();
    int scrolls = 0;
    d.setAfterScroll([&] { ++scrolls; });
    d.prior();
    EXPECT_TRUE(d.bof());
    EXPECT_EQ(scrolls, 0);
    d.next();
    EXPECT_EQ(d.asInteger(QStringLiteral("id")), 2);
    d.next();
    EXPECT_TRUE(d.eof());
    EXPECT_EQ(d.recNo(), 1);
    EXPECT_EQ(scrolls, 1);
    d.first();
    EXPECT_EQ(d.recNo(), 0);
    d.last();
    EXPECT_TRUE(d.eof());
    EXPECT_EQ(d.recNo(), 1);
    d.moveTo(99);
    EXPECT_EQ(d.recNo(), 1) << "moveTo clamps";
    d.moveTo(-5);
    EXPECT_EQ(d.recNo(), 0);

    // A loop over the rows sees each row once and ends.
    QStringList seen;
    for (d.first(); !d.eof(); d.next())
        seen << d.asText(QStringLiteral("id"));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
}

TEST(DatasetBasics, EmptyResultAndClosedDatasetGiveNoValues)
{
    Opened f;
    Dataset d(f.connection);
    EXPECT_EQ(d.asText(QStringLiteral("anything")), QString()) << "closed: nothing to read, no error";
    d.setSql(QStringLiteral("SELECT id, name FROM itemnames WHERE id < 0"));
    int scrolls = 0;
    d.setAfterScroll([&] { ++scrolls; });
    d.open();
    EXPECT_TRUE(d.isEmpty());
    EXPECT_EQ(d.recNo(), -1);
    EXPECT_TRUE(d.bof() && d.eof());
    EXPECT_EQ(scrolls, 0) << "no after-scroll on opening an empty result";
    EXPECT_EQ(d.asText(QStringLiteral("name")), QString());
    EXPECT_EQ(d.asInteger(QStringLiteral("id")), 0);
    EXPECT_THROW(d.asText(QStringLiteral("nope")), DbError);
    d.next();
    d.last();
    EXPECT_EQ(d.recNo(), -1);
}

TEST(DatasetBasics, UnknownFieldErrorNamesFieldAndDataset)
{
    Opened f;
    Dataset d(f.connection);
    d.setObjectName(QStringLiteral("QueryWeapons"));
    d.setSql(QStringLiteral("SELECT id FROM items"));
    d.open();
    try {
        d.asText(QStringLiteral("colour"));
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("colour")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("QueryWeapons")));
    }
}

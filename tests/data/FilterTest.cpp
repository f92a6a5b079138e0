// Client-side filters: parsing, conversion to the column's type, and what each switch does to
// the current row and the after-scroll handler.

#include "data/Connection.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

namespace {

class Filtering : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = new TestDb(standardRows()); }
    static void TearDownTestSuite()
    {
        delete s_db;
        s_db = nullptr;
    }
    void SetUp() override { s_db->point(connection); }

    void openDrops(Dataset& d) { d.setSql(QStringLiteral("select * from drops")), d.open(); }

    static TestDb* s_db;
    Connection connection;
};
TestDb* Filtering::s_db = nullptr;

struct FilterCase {
    const char* statement;
    const char* filter;
    int rows;
};

TEST_F(Filtering, ValuesConvertToTheColumnsType)
{
    const FilterCase cases[] = {
        {"select * from drops", "item_id = '57'", 5},
        {"select * from drops", "item_id = 57", 5},
        {"select * from drops", "item_id='57'", 5},
        {"select * from drops", "item_id = '57.0'", 5},
        {"select * from drops", "item_id = '57' AND sweep = '1'", 1},
        {"select * from drops", "item_id = '57' and sweep = '0' AND npc_id = '4'", 2},
        {"select * from drops", "item_id = 0", 0},
        {"select * from drops", "item_id = ''", 0},
        {"select * from drops", "item_id = 'abc'", 0},
        {"select * from drops", "percentage = '12.5'", 1},
        {"select * from drops", "[npc_id] = '1'", 2},
        {"select * from itemnames", "name = 'Wanderer''s Boots'", 1},
        {"select * from itemnames", "name = 'wanderer''s boots'", 0},
        {"select * from itemnames", "name = 'Wanderer''s Boots '", 0},
        {"select * from items", "stackable = 'True'", 3},
        {"select * from items", "stackable = '0'", 8},
        {"select * from classes", "parents = 'Human'", 2},
        {"SELECT npcnames.name, itemnames.name, drops.item_id FROM drops, npcnames, itemnames WHERE drops.npc_id = npcnames.id "
         "AND drops.item_id = itemnames.id",
         "npcnames.name = 'Ranger'", 2},
    };
    for (const FilterCase& c : cases) {
        Dataset d(connection);
        d.setSql(QString::fromUtf8(c.statement));
        d.open();
        d.setFilter(QString::fromUtf8(c.filter));
        d.setFiltered(true);
        EXPECT_EQ(d.recordCount(), c.rows) << c.filter;
    }
}

TEST_F(Filtering, BadFiltersAreRejectedAndChangeNothing)
{
    const char* bad[] = {"colour = 'red'", "item_id = '57", "item_id '57'", "item_id = '57' OR sweep = '1'",
                         "item_id = 57 sweep = 1", "= '57'", "item_id = abc", "item_id = '57' AND"};
    for (const char* f : bad) {
        Dataset d(connection);
        openDrops(d);
        d.moveTo(3);
        d.setFilter(QString::fromUtf8(f));
        try {
            d.setFiltered(true);
            ADD_FAILURE() << "accepted: " << f;
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(f).section(QLatin1Char(' '), 0, 0)) ||
                        e.message().contains(QString::fromUtf8(f)))
                << e.what();
        }
        EXPECT_FALSE(d.filtered()) << f;
        EXPECT_EQ(d.recordCount(), 10) << f;
        EXPECT_EQ(d.recNo(), 3) << "a rejected filter does not move: " << f;
    }

    // While filtered, a bad replacement keeps the filter in force.
    Dataset d(connection);
    openDrops(d);
    d.setFilter(QStringLiteral("item_id = '57'"));
    d.setFiltered(true);
    EXPECT_THROW(d.setFilter(QStringLiteral("colour = 'red'")), DbError);
    EXPECT_EQ(d.filter(), QStringLiteral("item_id = '57'"));
    EXPECT_EQ(d.recordCount(), 5);
}

TEST_F(Filtering, EverySwitchMovesFirstAndRunsAfterScrollOnce)
{
    Dataset d(connection);
    openDrops(d);
    QStringList events;
    QObject::connect(&d, &Dataset::rowsChanged, [&] { events << QStringLiteral("rows"); });
    QObject::connect(&d, &Dataset::currentChanged, [&](int p) { events << QStringLiteral("current %1").arg(p); });
    d.setAfterScroll([&] { events << QStringLiteral("scroll ") + d.asText(QStringLiteral("item_id")); });
    d.moveTo(5);
    events.clear();

    // The three steps of a re-filter, as every window does them.
    d.setFiltered(false); // already off: nothing happens
    d.setFilter(QStringLiteral("item_id = '80'"));
    d.setFiltered(true);
    EXPECT_EQ(events, (QStringList{QStringLiteral("rows"), QStringLiteral("current 0"), QStringLiteral("scroll 80")}));
    EXPECT_EQ(d.recordCount(), 3);

    events.clear();
    d.next();
    d.setFiltered(false);
    d.setFilter(QStringLiteral("item_id = '57'"));
    d.setFiltered(true);
    EXPECT_EQ(events, (QStringList{QStringLiteral("current 1"), QStringLiteral("scroll 80"), QStringLiteral("rows"),
                                   QStringLiteral("current 0"), QStringLiteral("scroll 57"), QStringLiteral("rows"),
                                   QStringLiteral("current 0"), QStringLiteral("scroll 57")}));

    // Replacing the text while filtered applies it at once, with the same notifications.
    events.clear();
    d.setFilter(QStringLiteral("item_id = '81'"));
    EXPECT_EQ(events, (QStringList{QStringLiteral("rows"), QStringLiteral("current 0"), QStringLiteral("scroll 81")}));

    // An empty result still runs after-scroll, with no row to read: the ingredient panes
    // depend on this to empty themselves.
    events.clear();
    d.setFilter(QStringLiteral("item_id = 0"));
    EXPECT_EQ(events, (QStringList{QStringLiteral("rows"), QStringLiteral("current -1"), QStringLiteral("scroll ")}));
    EXPECT_TRUE(d.isEmpty());
    EXPECT_TRUE(d.bof() && d.eof());
}

TEST_F(Filtering, NavigationAndValuesSeeOnlyTheFilteredRows)
{
    Dataset d(connection);
    openDrops(d);
    d.setFilter(QStringLiteral("npc_id = '4'"));
    d.setFiltered(true);
    QStringList ids;
    for (d.first(); !d.eof(); d.next())
        ids << d.asText(QStringLiteral("id"));
    EXPECT_EQ(ids, (QStringList{QStringLiteral("2"), QStringLiteral("3")}));
    d.last();
    EXPECT_EQ(d.recNo(), 1);
    EXPECT_EQ(d.displayText(1, d.fieldIndex(QStringLiteral("percentage"))), QStringLiteral("0.35"));
    EXPECT_TRUE(d.value(2, 0).isNull()) << "past the filtered rows there is nothing";

    d.setFiltered(false);
    EXPECT_EQ(d.recordCount(), 10);
    EXPECT_EQ(d.recNo(), 0);
}

TEST_F(Filtering, FilterAndSortSurviveReopeningWithAnotherStatement)
{
    // The level bands close the list, replace its statement and open it again.
    Dataset d(connection);
    d.setSql(QStringLiteral("SELECT * FROM monsters WHERE level < 30"));
    d.open();
    d.setSort(QStringLiteral("name DESC"));
    d.setFilter(QStringLiteral("npc = '0'"));
    d.setFiltered(true);
    d.close();
    d.clearSql();
    d.addSql(QStringLiteral("SELECT * FROM monsters WHERE level >= 10"));
    d.open();
    EXPECT_TRUE(d.filtered());
    QStringList names;
    for (d.first(); !d.eof(); d.next())
        names << d.asText(QStringLiteral("name"));
    EXPECT_EQ(names, (QStringList{QStringLiteral("ranger"), QStringLiteral("hollow_shade"), QStringLiteral("frost_drake"),
                                  QStringLiteral("ashen_ghoul"), QStringLiteral("abyss_lord")}));
}

TEST_F(Filtering, DetailLinkFollowsTheMastersCurrentRow)
{
    Dataset quest(connection);
    quest.setTableName(QStringLiteral("questnames"));
    Dataset details(connection);
    details.setTableName(QStringLiteral("questdetails"));
    details.setMasterLink(&quest, QStringLiteral("id"), QStringLiteral("quest_id"));
    int detailScrolls = 0;
    details.setAfterScroll([&] { ++detailScrolls; });
    quest.open();
    details.open();
    EXPECT_EQ(details.recordCount(), 1);
    EXPECT_EQ(details.asText(QStringLiteral("details")), QStringLiteral("Talk to the innkeeper"));
    detailScrolls = 0;
    quest.next();
    EXPECT_EQ(details.asText(QStringLiteral("details")), QStringLiteral("Ten rats"));
    EXPECT_EQ(detailScrolls, 1);
    quest.close();
    EXPECT_TRUE(details.isEmpty()) << "a master without a row leaves no detail row";
}

} // namespace

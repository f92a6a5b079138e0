// Header-strip sorts and quick-find locates on fetched rows.

#include "data/Connection.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QStringList column(Dataset& d, const char* field)
{
    QStringList out;
    for (int p = 0; p < d.recordCount(); ++p)
        out << d.displayText(p, d.fieldIndexOrThrow(QString::fromUtf8(field)));
    return out;
}

class SortLocate : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = new TestDb(standardRows()); }
    static void TearDownTestSuite()
    {
        delete s_db;
        s_db = nullptr;
    }
    void SetUp() override { s_db->point(connection); }
    static TestDb* s_db;
    Connection connection;
};
TestDb* SortLocate::s_db = nullptr;

const char* const kArmorList = "SELECT A.armor_type, I.id, N.name FROM armor as A, items as I, itemnames as N "
                               "WHERE I.id = A.id AND N.id = I.id ORDER BY A.armor_type";

TEST_F(SortLocate, SortKeepsCurrentRowAndFilterWithoutAfterScroll)
{
    Dataset d(connection);
    d.setSql(QStringLiteral("select * from drops"));
    d.open();
    d.setFilter(QStringLiteral("item_id = '57'"));
    d.setFiltered(true);
    d.moveTo(1); // drop row id 2: percentage 0.35
    int scrolls = 0;
    QStringList events;
    d.setAfterScroll([&] { ++scrolls; });
    QObject::connect(&d, &Dataset::rowsChanged, [&] { events << QStringLiteral("rows"); });
    QObject::connect(&d, &Dataset::currentChanged, [&](int p) { events << QStringLiteral("current %1").arg(p); });

    d.setSort(QStringLiteral("percentage ASC"));
    EXPECT_EQ(column(d, "percentage"), (QStringList{"0.35", "0.35", "3", "12.5", "70"}));
    EXPECT_EQ(d.asText(QStringLiteral("id")), QStringLiteral("2")) << "the current row stays current";
    EXPECT_EQ(d.recNo(), 0);
    EXPECT_EQ(events, (QStringList{QStringLiteral("rows"), QStringLiteral("current 0")}));
    EXPECT_EQ(scrolls, 0);
    EXPECT_EQ(d.sort(), QStringLiteral("percentage ASC"));

    d.setSort(QStringLiteral("percentage DESC"));
    EXPECT_EQ(column(d, "percentage"), (QStringList{"70", "12.5", "3", "0.35", "0.35"}));
    EXPECT_EQ(column(d, "id"), (QStringList{"4", "1", "5", "2", "3"})) << "ties keep the statement's order";
    EXPECT_EQ(d.asText(QStringLiteral("id")), QStringLiteral("2"));

    // A new filter lists its rows in the sort order in force.
    d.setFilter(QStringLiteral("item_id = '80'"));
    EXPECT_EQ(column(d, "percentage"), (QStringList{"50", "45", "0.05"}));

    d.setFiltered(false);
    d.setSort(QString());
    EXPECT_EQ(column(d, "id"), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"})) << "empty sort: statement order";
    EXPECT_EQ(scrolls, 2) << "the two filter changes ran after-scroll, the sorts none";
}

TEST_F(SortLocate, SortOrdersTextIgnoringCaseNullsFirstAndQualifiedNames)
{
    Dataset items(connection);
    items.setSql(QStringLiteral("SELECT I.name, N.name FROM items as I, itemnames as N WHERE N.id = I.id AND I.type = 'Material'"));
    items.open();
    items.setSort(QStringLiteral("N.name ASC"));
    EXPECT_EQ(column(items, "N.name"), (QStringList{"abalone shell", "Animal Bone", "Iron Ore"}));
    items.setSort(QStringLiteral("I.name DESC"));
    EXPECT_EQ(column(items, "I.name"), (QStringList{"iron_ore", "animal_bone", "ABalone"}));

    Dataset classes(connection);
    classes.setTableName(QStringLiteral("classes"));
    classes.open();
    classes.setSort(QStringLiteral("parents ASC"));
    EXPECT_EQ(column(classes, "parents"), (QStringList{"", "", "Elf", "Fighter", "Human", "Human"}));
    classes.setSort(QStringLiteral("parents DESC"));
    EXPECT_EQ(column(classes, "parents"), (QStringList{"Human", "Human", "Fighter", "Elf", "", ""}));

    EXPECT_THROW(classes.setSort(QStringLiteral("colour ASC")), DbError);
    EXPECT_EQ(classes.sort(), QStringLiteral("parents DESC")) << "a rejected sort changes nothing";
}

TEST_F(SortLocate, LocateCases)
{
    struct Case {
        const char* what;
        const char* field;
        const char* value;
        bool found;
        const char* name; // the name of the row it lands on
    };
    const Case cases[] = {
        {"upper case prefix", "name", "WAN", true, "Wanderer's Boots"},
        {"lower case prefix", "name", "wan", true, "Wanderer's Boots"},
        {"alphabetically first match, not the first in the list", "name", "t", true, "Tower Shield"},
        {"first by name among several", "name", "", false, "Blackwood Breastplate"},
        {"middle of a name", "name", "Shield", false, "Blackwood Breastplate"},
        {"whole name", "name", "moon ring", true, "Moon Ring"},
        {"longer than any name", "name", "Moon Ringo", false, "Blackwood Breastplate"},
        {"integer exact", "id", "71", true, "Wanderer's Boots"},
        {"integer is never a prefix", "id", "7", false, "Blackwood Breastplate"},
        {"integer from text that is no number", "id", "abc", false, "Blackwood Breastplate"},
    };
    for (const Case& c : cases) {
        Dataset d(connection);
        d.setSql(QString::fromUtf8(kArmorList));
        d.open();
        int scrolls = 0;
        d.setAfterScroll([&] { ++scrolls; });
        const bool found = d.locate(QString::fromUtf8(c.field), QString::fromUtf8(c.value), CaseInsensitive | PartialKey);
        EXPECT_EQ(found, c.found) << c.what;
        EXPECT_EQ(d.asText(QStringLiteral("name")), QString::fromUtf8(c.name)) << c.what;
        EXPECT_EQ(scrolls, c.found ? 1 : 0) << c.what;
    }
}

TEST_F(SortLocate, LocateFindsOnlyRowsTheFilterLetsThrough)
{
    Dataset d(connection);
    d.setSql(QString::fromUtf8(kArmorList));
    d.open();
    d.setFilter(QStringLiteral("armor_type = 'Heavy'"));
    d.setFiltered(true);
    EXPECT_FALSE(d.locate(QStringLiteral("name"), QStringLiteral("tower"), CaseInsensitive | PartialKey));
    EXPECT_FALSE(d.locate(QStringLiteral("id"), QStringLiteral("60"), CaseInsensitive | PartialKey));
    EXPECT_TRUE(d.locate(QStringLiteral("name"), QStringLiteral("b"), CaseInsensitive | PartialKey));
    EXPECT_EQ(d.asText(QStringLiteral("id")), QStringLiteral("70"));
    EXPECT_THROW(d.locate(QStringLiteral("colour"), QStringLiteral("x"), CaseInsensitive | PartialKey), DbError);
}

// Locate and filter take different paths for small and large row sets (scan or index); both must
// give what a plain scan gives.
TEST(LocateAtScale, AgreesWithAPlainScanOnLargeSortedAndFilteredSets)
{
    std::mt19937 rng(7);
    const char* syllables[] = {"ka", "Lo", "mi", "AR", "ze", "th", "u", "Qi"};
    QString rows;
    for (int i = 0; i < 9000; ++i) {
        QString name;
        const int parts = 1 + int(rng() % 4);
        for (int k = 0; k < parts; ++k)
            name += QString::fromLatin1(syllables[rng() % 8]);
        rows += QStringLiteral("INSERT INTO itemnames VALUES (%1,'%2','%3');\n").arg(i).arg(name).arg(rng() % 3);
    }
    TestDb db(rows);
    Connection connection;
    db.point(connection);
    Dataset d(connection);
    d.setSql(QStringLiteral("SELECT id, name, description FROM itemnames"));
    d.open();

    const char* prefixes[] = {"ka", "KAL", "z", "qiqi", "th", "u", "aru", "x"};
    for (int round = 0; round < 4; ++round) {
        if (round == 1)
            d.setSort(QStringLiteral("name DESC"));
        if (round == 2) {
            d.setFilter(QStringLiteral("description = '1'"));
            d.setFiltered(true);
        }
        if (round == 3)
            d.setSort(QString());
        for (const char* prefix : prefixes) {
            const QString p = QString::fromLatin1(prefix);
            int expected = -1;
            for (int pos = 0; pos < d.recordCount(); ++pos) {
                const QString name = d.displayText(pos, 1);
                if (!name.startsWith(p, Qt::CaseInsensitive))
                    continue;
                if (expected < 0 || name.toLower() < d.displayText(expected, 1).toLower())
                    expected = pos;
            }
            d.first();
            const bool found = d.locate(QStringLiteral("name"), p, CaseInsensitive | PartialKey);
            EXPECT_EQ(found, expected >= 0) << prefix << " round " << round;
            if (found)
                EXPECT_EQ(d.recNo(), expected) << prefix << " round " << round;
        }
        for (int id : {0, 17, 4444, 8999}) {
            int expected = -1;
            for (int pos = 0; pos < d.recordCount() && expected < 0; ++pos)
                if (d.value(pos, 0).toInteger() == id)
                    expected = pos;
            EXPECT_EQ(d.locate(QStringLiteral("id"), QString::number(id), CaseInsensitive | PartialKey), expected >= 0);
            if (expected >= 0)
                EXPECT_EQ(d.recNo(), expected);
        }
    }
}

} // namespace

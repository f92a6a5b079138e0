// What the search reads: on the fixture, exactly the rows each window lists, under the keys its
// place uses (no pet weapon, no NPC, no monster without a shown name; one hit per skill); on the
// demo world, every item under the window its kind opens, and no thing twice.

#include "app/SearchLists.h"
#include "panes/LocateRequests.h"
#include "tools/gendb/Fixture.h"
#include "tools/gendb/Generator.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using Keys = QSet<QString>;

// The keys of each kind, as "field|field".
std::map<WindowKind, Keys> keysByKind(const std::vector<SearchItem>& items)
{
    std::map<WindowKind, Keys> out;
    for (const SearchItem& i : items)
        out[WindowKind(i.kind)].insert(i.key.join(QLatin1Char('|')));
    return out;
}

Keys ids(std::initializer_list<int> list)
{
    Keys out;
    for (int id : list)
        out.insert(QString::number(id));
    return out;
}

const SearchItem* find(const std::vector<SearchItem>& items, WindowKind kind, const QString& key)
{
    for (const SearchItem& i : items)
        if (WindowKind(i.kind) == kind && i.key.join(QLatin1Char('|')) == key)
            return &i;
    return nullptr;
}

} // namespace

TEST(SearchLists, HoldWhatEachWindowListsUnderItsPlaceKeys)
{
    using namespace fixture;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString db = dir.filePath(QStringLiteral("gd.mdb"));
    gen::generateFixture(db, dir.filePath(QStringLiteral("images")));
    const std::vector<SearchItem> items = readSearchItems(db, searchLists());
    std::map<WindowKind, Keys> keys = keysByKind(items);

    EXPECT_EQ(keys[WindowKind::Weapons], ids({kSwordOfValor, kElderOakStaff, kDragonsFang, kWindcallerBow, kRustyDirk,
                                              kGhostEdge}));
    EXPECT_EQ(keys[WindowKind::Armor], ids({kTowerShield, kBlackwoodBreastplate, kBlackwoodGaiters, kBlackwoodHelm,
                                            kMoonweaveRobe, kWanderersBoots, kBucklerOfDawn}));
    EXPECT_EQ(keys[WindowKind::Accessories], ids({kNecklaceOfEmbers, kRingOfTides, kEaringOfWhispers}));
    EXPECT_EQ(keys[WindowKind::Items],
              ids({kIronOre, kAnimalBone, kCoarseThread, kOakResin, kHealingPotion, kStaffRecipe, kWolfCollar}));
    EXPECT_EQ(keys[WindowKind::Monsters], ids({kWispLarva, kFieldRat, kAshenGhoul, kBogCrawler, kRanger, kFrostDrake,
                                               kAbyssSovereign, kEternalWarden}))
        << "neither the NPC nor the monster without a shown name";
    EXPECT_EQ(keys[WindowKind::Sets], ids({kBlackwoodSet, kMoonweaveSet}));
    EXPECT_EQ(keys[WindowKind::Quests], ids({kLostCaravan, kWolvesAtTheGate, kSilentBell}));
    EXPECT_EQ(keys[WindowKind::Recipes], Keys({"58|100", "58|60", "72|100"}));
    EXPECT_EQ(keys[WindowKind::Skills], Keys({"|1|", "|2|", "|3|", "|4|", "|5|", "|6|"})) << "one hit per skill";

    const SearchItem* sword = find(items, WindowKind::Weapons, QString::number(kSwordOfValor));
    ASSERT_TRUE(sword);
    EXPECT_EQ(sword->name, QString::fromUtf8(kSwordOfValorName));
    EXPECT_EQ(sword->detail, QStringLiteral("Grade C"));
    EXPECT_EQ(sword->icon, QStringLiteral("weapon_sword_01"));
    const SearchItem* ranger = find(items, WindowKind::Monsters, QString::number(kRanger));
    ASSERT_TRUE(ranger);
    EXPECT_EQ(ranger->name, QString::fromUtf8(kRangerName));
    EXPECT_FALSE(ranger->otherName.isEmpty()) << "a monster is found by its internal name too";
    EXPECT_EQ(ranger->detail, QStringLiteral("Lv 20"));
    const SearchItem* strike = find(items, WindowKind::Skills, QStringLiteral("|1|"));
    ASSERT_TRUE(strike);
    EXPECT_EQ(strike->name, QStringLiteral("Power Strike"));
    const SearchItem* recipe = find(items, WindowKind::Recipes, QStringLiteral("58|60"));
    ASSERT_TRUE(recipe);
    EXPECT_EQ(recipe->name, QString::fromUtf8(kElderOakStaffName));
    EXPECT_EQ(recipe->detail, QStringLiteral("Rate 60%"));
    EXPECT_FALSE(recipe->icon.isEmpty()) << "a recipe shows the picture of what it makes";
    for (const SearchItem& i : items)
        EXPECT_FALSE(searchKindCaption(WindowKind(i.kind)).isEmpty());
}

TEST(SearchLists, PutEveryItemOfTheDemoWorldUnderTheWindowItsKindOpens)
{
    const QString db = QStringLiteral(TAVRIN_DEMO_FOLDER "/gd.mdb");
    ASSERT_TRUE(QFile::exists(db));
    const std::vector<SearchItem> items = readSearchItems(db, searchLists());

    QHash<QString, QString> types;
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(db).constData(), &handle, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(handle, "SELECT id, type FROM items", -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        types.insert(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))),
                     QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1))));
    sqlite3_finalize(stmt);
    sqlite3_close(handle);

    QSet<QString> seen;
    int itemHits = 0;
    for (const SearchItem& i : items) {
        const WindowKind kind = WindowKind(i.kind);
        const QString key = i.key.join(QLatin1Char('|'));
        EXPECT_FALSE(seen.contains(QStringLiteral("%1:%2").arg(i.kind).arg(key))) << "twice: " << key.toStdString();
        seen.insert(QStringLiteral("%1:%2").arg(i.kind).arg(key));
        if (kind != WindowKind::Weapons && kind != WindowKind::Armor && kind != WindowKind::Accessories &&
            kind != WindowKind::Items)
            continue;
        ++itemHits;
        EXPECT_EQ(itemWindowFor(types.value(key)), std::optional<WindowKind>(kind)) << i.name.toStdString();
    }
    EXPECT_GT(itemHits, 1000);
}

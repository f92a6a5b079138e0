// A filtered dataset fetches only its key's rows; this holds it to what the windows showed when
// every detail dataset fetched its whole result and filtered it afterwards. On the demo
// database, for the detail statements of every window: every key of one window (each item,
// each monster), random keys elsewhere, keys without rows, sources that are NPCs, and heading
// sorts whose ties must come out in the same order.

#include "data/Connection.h"
#include "data/Dataset.h"
#include "panes/ItemDetailStatements.h"
#include "panes/UsedInStatements.h"
#include "windows/MonstersStatements.h"
#include "windows/SetsStatements.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

struct DetailCase {
    const char* name;
    QString sql;
    QString keySql;     // the keys to try, one or two columns
    QStringList fields; // the filter's fields, one per key column
    int sampled;        // 0: every key; else this many drawn at random
    QStringList sorts;  // heading sorts tried on a sample of the keys
};

std::ostream& operator<<(std::ostream& os, const DetailCase& c) {
    return os << c.name;
}

// Every weapon is tried on the weapons window's panes; elsewhere a random draw of the keys.
QVector<DetailCase> cases() {
    const QStringList sourceSorts{"level ASC", "level DESC", "percentage ASC", "npcnames.name ASC",
                                  "nrdrops DESC"};
    const QString everyWeapon = QStringLiteral("SELECT id FROM weapons");
    const QString everyItem = QStringLiteral("SELECT id FROM items");
    const QString everyMonster = QStringLiteral("SELECT id FROM monsters");
    return {
        {"ItemDrops", dropSourceSql(), everyWeapon, {"item_id"}, 0, sourceSorts},
        {"ItemSpoils", spoilSourceSql(), everyItem, {"item_id"}, 600, sourceSorts},
        {"AlternativeSpoil", alternativeSpoilSql(), everyItem, {"item_id"}, 600, sourceSorts},
        {"Ingredients",
         ingredientSql(),
         everyWeapon,
         {"item_id"},
         0,
         {"quantity ASC", "name DESC"}},
        {"UsedIn",
         usedInSql(),
         QStringLiteral("SELECT DISTINCT material FROM ingredients"),
         {"material"},
         600,
         {"quantity ASC", "name DESC", "rate ASC"}},
        {"RecipeHeader",
         recipeHeaderSql(),
         QStringLiteral("SELECT item_id, rate FROM recipes"),
         {"item_id", "rate"},
         300,
         {}},
        {"MonsterDrops",
         monsterDropsSql(),
         everyMonster,
         {"npc_id"},
         800,
         {"percentage ASC", "name ASC", "price DESC"}},
        {"MonsterSpoils",
         monsterSpoilsSql(),
         everyMonster,
         {"npc_id"},
         600,
         {"percentage ASC", "nrdrops ASC"}},
        {"SpawnPoints", monsterLocationSql(), everyMonster, {"npc_id"}, 600, {"X ASC"}},
        {"SetPieces",
         setPiecesSql(),
         QStringLiteral("SELECT id FROM sets"),
         {"set_id"},
         0,
         {"price ASC"}},
    };
}

// A copy of the demo database in which a few NPCs drop and yield items too, so that sources of
// every kind are compared.
class DemoCopy {
public:
    DemoCopy() {
        const QString file = m_dir.path() + QStringLiteral("/gd.mdb");
        if (!QFile::copy(QStringLiteral(TAVRIN_DEMO_FOLDER "/gd.mdb"), file))
            ADD_FAILURE() << "no demo database beside the program";
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(file).constData(), &db);
        const char* npcSources = "INSERT INTO drops (npc_id, item_id, sweep, min, max, percentage) "
                                 "SELECT m.id, (SELECT min(w.id) FROM weapons w WHERE w.id >= (SELECT "
                                 "min(id) FROM weapons) + m.id % 50), "
                                 "m.id % 2, 1, 1 + m.id % 3, 12.5 "
                                 "FROM monsters m WHERE m.npc <> 0 ORDER BY m.id LIMIT 40";
        if (sqlite3_exec(db, npcSources, nullptr, nullptr, nullptr) != SQLITE_OK)
            ADD_FAILURE() << sqlite3_errmsg(db);
        sqlite3_close(db);
    }
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }

private:
    QTemporaryDir m_dir;
};

QString demoFolder() {
    static DemoCopy copy;
    return copy.folder();
}

// Everything a grid can show of a dataset: names, types and every cell, in order.
QStringList dump(Dataset& d) {
    QStringList out{d.fieldNames().join(QLatin1Char('|'))};
    QString types;
    for (int c = 0; c < d.fieldCount(); ++c)
        types += QString::number(int(d.fieldType(c)));
    out << types;
    for (int r = 0; r < d.recordCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < d.fieldCount(); ++c)
            cells << d.displayText(r, c);
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

QString filterFor(const QStringList& fields, const QStringList& key) {
    QStringList terms;
    for (int i = 0; i < fields.size(); ++i)
        terms << fields[i] + QStringLiteral(" = '") + key[i] + QLatin1Char('\'');
    return terms.join(QStringLiteral(" AND "));
}

class KeyedFetch : public ::testing::TestWithParam<DetailCase> {
protected:
    // Two open datasets over the case's statement: the reference shares its rows with no one,
    // so it fetches the whole result and filters it in memory; the other fetches by key.
    void SetUp() override
    {
        connection.setConnectionString(Connection::composeConnectionString(demoFolder()));
        reference = std::make_unique<Dataset>(connection);
        reference->setSql(GetParam().sql);
        reference->setSharedRows(false);
        reference->open();
        shared = std::make_unique<Dataset>(connection);
        shared->setSql(GetParam().sql);
        shared->open();
    }

    QVector<QStringList> keys(const DetailCase& c) {
        Dataset source(connection);
        source.setSql(c.keySql);
        source.setSharedRows(false);
        source.open();
        QVector<QStringList> all;
        for (int r = 0; r < source.recordCount(); ++r) {
            QStringList key;
            for (int f = 0; f < c.fields.size(); ++f)
                key << source.displayText(r, f);
            all << key;
        }
        std::mt19937 random(20240611);
        if (c.sampled > 0 && c.sampled < all.size()) {
            std::shuffle(all.begin(), all.end(), random);
            all.resize(c.sampled);
        }
        // Keys no row has, the fixed text that empties the ingredient panes, and every item an
        // NPC drops or yields.
        for (const char* none : {"0", "-7", "987654321"})
            all << QStringList(c.fields.size(), QString::fromLatin1(none));
        if (c.fields == QStringList{"item_id"}) {
            Dataset npcItems(connection);
            npcItems.setSql(QStringLiteral("SELECT DISTINCT item_id FROM drops WHERE npc_id IN (SELECT id "
                                           "FROM monsters WHERE npc <> 0)"));
            npcItems.open();
            for (int r = 0; r < npcItems.recordCount(); ++r)
                all << QStringList{npcItems.displayText(r, 0)};
        }
        return all;
    }

    QSet<QString> npcIds() {
        Dataset npcs(connection);
        npcs.setSql(QStringLiteral("SELECT id FROM monsters WHERE npc <> 0"));
        npcs.open();
        QSet<QString> ids;
        for (int r = 0; r < npcs.recordCount(); ++r)
            ids.insert(npcs.displayText(r, 0));
        return ids;
    }

    Connection connection;
    std::unique_ptr<Dataset> reference;
    std::unique_ptr<Dataset> shared;
};

TEST_P(KeyedFetch, ShowsWhatTheWholeResultFilteredShows)
{
    const DetailCase& c = GetParam();
    Dataset& whole = *reference;
    Dataset& keyed = *shared;
    EXPECT_EQ(keyed.fieldNames(), whole.fieldNames());

    const QVector<QStringList> tried = keys(c);
    const QSet<QString> npcs = npcIds();
    const bool itemSources = c.name == QLatin1String("ItemDrops") || c.name == QLatin1String("ItemSpoils");
    const int monsterField = whole.fieldIndex(QStringLiteral("id"));
    int emptyKeys = 0;
    int npcRows = 0;
    for (const QStringList& key : tried) {
        const QString filter = filterFor(c.fields, key);
        whole.setFilter(filter);
        whole.setFiltered(true);
        keyed.setFilter(filter);
        keyed.setFiltered(true);
        ASSERT_EQ(dump(keyed), dump(whole)) << c.name << ": " << qPrintable(filter);
        ASSERT_EQ(keyed.fetchedRowCount(), keyed.recordCount())
            << "only the key's rows were fetched: " << qPrintable(filter);
        emptyKeys += whole.isEmpty();
        for (int r = 0; itemSources && r < keyed.recordCount(); ++r)
            npcRows += npcs.contains(keyed.displayText(r, monsterField));
    }
    EXPECT_GT(emptyKeys, 0);
    if (itemSources)
        EXPECT_GT(npcRows, 0) << "the sources of some item include an NPC";

    // A heading sort stays on the dataset and orders each further key's rows, ties included.
    for (const QString& sort : c.sorts) {
        whole.setSort(sort);
        keyed.setSort(sort);
        for (int i = 0; i < tried.size(); i += std::max(1, int(tried.size()) / 150)) {
            const QString filter = filterFor(c.fields, tried[i]);
            whole.setFilter(filter);
            keyed.setFilter(filter);
            ASSERT_EQ(dump(keyed), dump(whole))
                << c.name << ": " << qPrintable(filter) << " sorted " << qPrintable(sort);
        }
    }
}

TEST_P(KeyedFetch, UnfilteredRowsComeWhenFirstReadAndAreTheWholeResult)
{
    Dataset& whole = *reference;
    Dataset& waiting = *shared;
    EXPECT_TRUE(waiting.rowsPending()) << "opening fetches nothing";
    EXPECT_EQ(waiting.recNo(), whole.isEmpty() ? -1 : 0);
    EXPECT_EQ(dump(waiting), dump(whole));
    EXPECT_FALSE(waiting.rowsPending());
}

INSTANTIATE_TEST_SUITE_P(DemoDatabase, KeyedFetch, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<DetailCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace

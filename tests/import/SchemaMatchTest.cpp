// Matching a source's tables and columns to the game's schema, and the tables the copy builds
// from the schema.

#include "data/DbError.h"
#include "data/SchemaText.h"
#include "import/GameSchema.h"
#include "import/SchemaMatch.h"
#include "tests/import/FakeSource.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {

// What SQLite knows of a table's columns: name, type, not null, key place, collation, autoinc.
QStringList columnFacts(sqlite3* db, const QString& table)
{
    QStringList facts;
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, QStringLiteral("PRAGMA table_info(%1)").arg(quotedName(table)).toUtf8().constData(), -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW) {
        const QByteArray name = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
        const char* collation = nullptr;
        int autoInc = 0;
        sqlite3_table_column_metadata(db, nullptr, table.toUtf8().constData(), name.constData(), nullptr, &collation,
                                      nullptr, nullptr, &autoInc);
        facts << QStringLiteral("%1 %2 notnull=%3 pk=%4 %5 autoinc=%6")
                     .arg(QString::fromUtf8(name), QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 2))))
                     .arg(sqlite3_column_int(s, 3))
                     .arg(sqlite3_column_int(s, 5))
                     .arg(QString::fromUtf8(collation))
                     .arg(autoInc);
    }
    sqlite3_finalize(s);
    return facts;
}

} // namespace

TEST(GameSchema, RebuiltTablesMatchTheSchemaColumnForColumn)
{
    const GameSchema& schema = GameSchema::instance();
    ASSERT_EQ(schema.tables().size(), 21);
    EXPECT_EQ(schema.tableIndex("ITEMS"), 0);
    EXPECT_EQ(schema.tableIndex("no_such_table"), -1);

    sqlite3* original = nullptr;
    sqlite3* rebuilt = nullptr;
    sqlite3_open(":memory:", &original);
    sqlite3_open(":memory:", &rebuilt);
    ASSERT_EQ(sqlite3_exec(original, gameSchemaText(), nullptr, nullptr, nullptr), SQLITE_OK);
    for (const SchemaTable& t : schema.tables()) {
        QVector<int> all;
        for (int c = 0; c < t.columns().size(); ++c)
            all << c;
        const QString create = t.createStatement(all);
        ASSERT_EQ(sqlite3_exec(rebuilt, create.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK)
            << create.toStdString();
        EXPECT_EQ(columnFacts(rebuilt, t.name), columnFacts(original, t.name)) << t.name.toStdString();
    }
    // The indexes the schema names, with the columns it gives them.
    const SchemaTable& drops = schema.tables()[schema.tableIndex("drops")];
    ASSERT_EQ(drops.indexes.size(), 2);
    EXPECT_EQ(drops.indexes[0].columns, (QStringList{"npc_id", "sweep", "max"}));
    sqlite3_close(original);
    sqlite3_close(rebuilt);
}

TEST(GameSchema, ATableWithoutAKeyColumnLosesOnlyTheKey)
{
    const GameSchema& schema = GameSchema::instance();
    const SchemaTable& recipes = schema.tables()[schema.tableIndex("recipes")];
    // item_id and level, without rate: the two-column key cannot hold.
    const QString create = recipes.createStatement({recipes.columnIndex("item_id"), recipes.columnIndex("level")});
    EXPECT_FALSE(create.contains("PRIMARY KEY")) << create.toStdString();
    EXPECT_TRUE(create.contains("\"item_id\" INTEGER NOT NULL"));
    EXPECT_FALSE(create.contains("\"rate\""));

    const SchemaTable& armorType = schema.tables()[schema.tableIndex("armor_type")];
    EXPECT_TRUE(armorType.createStatement({0}).contains("\"name\" TEXT COLLATE NOCASE PRIMARY KEY"));
    EXPECT_EQ(quotedName("say \"max\""), "\"say \"\"max\"\"\"");
}

TEST(SchemaMatch, MatchesIgnoringCaseAndPassesOverExtras)
{
    FakeSource source;
    source.add("ITEMS", {column("ID", SourceKind::Integer), column("Name", SourceKind::Text),
                         column("Colour", SourceKind::Text), column("Icon", SourceKind::Text)});
    source.add("MSysExtra", {column("x", SourceKind::Integer)});
    source.add("Monsters", {column("id", SourceKind::Integer), column("picture", SourceKind::Unreadable),
                            column("NAME", SourceKind::Unreadable)});

    const ImportPlan plan = matchSchema(GameSchema::instance(), source, "gd.mdb");
    ASSERT_EQ(plan.tables.size(), 2);
    const TableMatch& items = plan.tables[0];
    EXPECT_EQ(items.sourceTable, "ITEMS");
    // id, name and icon found (in schema order), the extra column passed over.
    ASSERT_EQ(items.columns.size(), 3);
    EXPECT_EQ(items.columns[0].sourceColumn, 0);
    EXPECT_EQ(items.columns[1].sourceColumn, 1);
    EXPECT_EQ(items.columns[2].sourceColumn, 3);
    EXPECT_EQ(plan.tables[1].sourceTable, "Monsters");

    EXPECT_TRUE(plan.missing.contains("columns of items: type, material_type, weight, price, stackable"))
        << plan.missing.join('\n').toStdString();
    EXPECT_TRUE(plan.missing.contains("table weapons"));
    EXPECT_TRUE(plan.missing.contains("table quests"));
    EXPECT_FALSE(plan.missing.join(' ').contains("Colour"));
    EXPECT_FALSE(plan.missing.join(' ').contains("picture"));
    // A column of the game's that holds binary data is named with why it is left out.
    bool unreadableNamed = false;
    for (const QString& m : plan.missing)
        unreadableNamed = unreadableNamed || (m.startsWith("column monsters.name (") && m.contains("cannot be read"));
    EXPECT_TRUE(unreadableNamed) << plan.missing.join('\n').toStdString();

    const QString message = missingMessage("/games/gd.mdb", plan.missing);
    EXPECT_TRUE(message.startsWith("/games/gd.mdb lacks what some windows read:"));
    EXPECT_TRUE(message.contains("\n  - tables itemnames, weapons, armor,"));
    EXPECT_TRUE(message.contains("\n  - columns of items: type,"));
    EXPECT_TRUE(message.contains("the others work"));
    EXPECT_TRUE(missingMessage("x", {}).isEmpty());
    EXPECT_EQ(missingMessage("x", {"table quests", "column items.icon"}),
              "x lacks what some windows read:\n  - table quests\n  - column items.icon\n"
              "The windows that need them say so when opened; the others work.");
}

TEST(SchemaMatch, ACompleteSourceMissesNothing)
{
    FakeSource source = gameShapedSource();
    const ImportPlan plan = matchSchema(GameSchema::instance(), source, "gd.mdb");
    EXPECT_EQ(plan.tables.size(), 21);
    EXPECT_TRUE(plan.missing.isEmpty()) << plan.missing.join('\n').toStdString();
}

TEST(SchemaMatch, ASourceWithNoneOfTheGamesTablesIsRefused)
{
    FakeSource source;
    source.add("Customers", {column("id", SourceKind::Integer)});
    // A game table whose every column is missing counts as missing too.
    source.add("weapons", {column("colour", SourceKind::Text)});
    try {
        matchSchema(GameSchema::instance(), source, "/home/me/address book.mdb");
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().startsWith("/home/me/address book.mdb holds none of the game's tables"))
            << e.message().toStdString();
    }
}

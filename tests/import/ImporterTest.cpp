// The import into the SQLite copy, from a source held in memory: what each kind of value becomes,
// what the copy holds when the source lacks something, and that a cancelled or failed import
// leaves nothing behind.

#include "data/DbError.h"
#include "import/CopyWriter.h"
#include "import/GameSchema.h"
#include "import/ImportProgress.h"
#include "import/Importer.h"
#include "tests/gen/DbProbe.h"
#include "tests/import/FakeSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Recorder : ImportProgress {
    QStringList events;
    std::function<bool()> cancel = [] { return false; };
    void started(int tables, qint64 rows) override { events << QStringLiteral("started %1 %2").arg(tables).arg(rows); }
    void tableStarted(int index, const QString& table, qint64 rows) override
    {
        events << QStringLiteral("table %1 %2 %3").arg(index).arg(table).arg(rows);
    }
    void rowsCopied(qint64 rows) override { events << QStringLiteral("rows %1").arg(rows); }
    bool cancelRequested() override { return cancel(); }
};

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

TEST(Importer, EveryKindOfValueArrivesAsTheSchemaStoresIt)
{
    FakeSource source = gameShapedSource();
    // Items as the Jet file types them: a Yes/No, a date read as text, a text id.
    source.table("items").columns[7].kind = SourceKind::Boolean;
    QString longText;
    for (int i = 0; i < 3000; ++i)
        longText += QChar(0x0410 + i % 32); // Cyrillic, well over a page of UTF-16
    source.table("items").rows = {
        {Value::integer(1), Value::text("Épée de l’aube ⚔ 𝔄"), Value::text("Sword"), Value::text(""), Value(),
         Value::integer(1500), Value::floating(2.5), Value::boolean(true)},
        {Value::integer(2), Value(), Value::text("2004-03-01T12:30:00"), Value::text(longText), Value::text("x.bmp"),
         Value::integer(-7), Value::text("12"), Value::boolean(false)},
    };
    source.table("drops").rows = {{Value::integer(5), Value::integer(10), Value::integer(1), Value::integer(0),
                                   Value::integer(1), Value::integer(3), Value::floating(0.125)}};

    QTemporaryDir dir;
    const QString copy = dir.filePath("copy.db");
    Recorder progress;
    const ImportSummary summary = importSource(source, "gd.mdb", copy, &progress);
    EXPECT_FALSE(summary.cancelled);
    EXPECT_EQ(summary.tables, 21);
    EXPECT_EQ(summary.rows, 3);
    EXPECT_TRUE(summary.missing.isEmpty());
    EXPECT_EQ(progress.events.first(), "started 21 3");
    EXPECT_TRUE(progress.events.contains("table 0 items 2"));
    EXPECT_TRUE(progress.events.contains("table 8 drops 1"));

    DbProbe db(copy);
    const auto items = db.rows("SELECT quote(id), quote(name), quote(type), quote(material_type), quote(icon), "
                               "quote(weight), quote(price), quote(stackable) FROM items ORDER BY id");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], "1|'Épée de l’aube ⚔ 𝔄'|'Sword'|''|NULL|1500|2.5|1");
    // Text stays text, an empty text stays apart from NULL, a numeric text in an INTEGER column
    // becomes a number (the column's own rule), a float in one keeps its fraction.
    EXPECT_EQ(items[1], "2|NULL|'2004-03-01T12:30:00'|'" + longText.toStdString() + "'|'x.bmp'|-7|12|0");
    EXPECT_EQ(db.text("SELECT quote(percentage) FROM drops"), "0.125");
    // Text compares as the schema says: without regard to case.
    EXPECT_EQ(db.integer("SELECT count(*) FROM items WHERE type = 'SWORD'"), 1);
    // The copy has the schema's indexes.
    int schemaIndexes = 0;
    for (const SchemaTable& t : GameSchema::instance().tables())
        schemaIndexes += t.indexes.size();
    EXPECT_EQ(schemaIndexes, 18);
    EXPECT_EQ(db.integer("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"), schemaIndexes);
    EXPECT_EQ(db.integer("SELECT count(*) FROM sqlite_master WHERE name = 'gainskills_class_id'"), 1);
    // Only the copy remains: no partial file.
    EXPECT_EQ(filesIn(dir.path()), QStringList{"copy.db"});
}

TEST(Importer, TheCopyHoldsOnlyWhatTheSourceHas)
{
    FakeSource source = gameShapedSource();
    FakeSource partial;
    partial.add("MONSTERS", {column("ID", SourceKind::Integer), column("Name", SourceKind::Text),
                             column("Level", SourceKind::Integer)})
        .rows = {{Value::integer(7), Value::text("Wolf"), Value::integer(3)}};
    partial.add("Items", source.table("items").columns);

    QTemporaryDir dir;
    const QString copy = dir.filePath("copy.db");
    const ImportSummary summary = importSource(partial, "gd.mdb", copy);
    EXPECT_EQ(summary.tables, 2);
    EXPECT_TRUE(summary.missing.contains("table quests"));
    EXPECT_TRUE(summary.missing.join("\n").contains("columns of monsters: npc, attack_type, attack_range, hp,"));

    DbProbe db(copy);
    EXPECT_EQ(db.rows("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"),
              (std::vector<std::string>{"items", "monsters"}));
    EXPECT_EQ(db.text("SELECT id || ' ' || name || ' ' || level FROM monsters"), "7 Wolf 3");
    // A window reading a missing table or column gets SQLite's own answer, as on any file.
    EXPECT_THROW(db.rows("SELECT hp FROM monsters"), std::runtime_error);
    EXPECT_THROW(db.rows("SELECT * FROM quests"), std::runtime_error);
    // The index over the level is there; none over a missing column is made.
    EXPECT_EQ(db.integer("SELECT count(*) FROM sqlite_master WHERE name = 'monsters_level'"), 1);
}

TEST(Importer, ACancelOrAFailureLeavesNothingAndKeepsAnEarlierCopy)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath("copy.db");
    FakeSource source = gameShapedSource();
    for (int i = 0; i < 1000; ++i)
        source.table("npcnames").rows << QVector<Value>{Value::integer(i), Value::text("n"), Value()};

    // Cancelled in the middle of a table.
    Recorder progress;
    progress.cancel = [&] { return source.rowsRead >= 600; };
    const ImportSummary cancelled = importSource(source, "gd.mdb", copy, &progress);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(filesIn(dir.path()).isEmpty()) << filesIn(dir.path()).join(' ').toStdString();

    // A complete copy, then a damaged source over it: the complete copy stays as it was.
    ASSERT_FALSE(importSource(source, "gd.mdb", copy).cancelled);
    const QByteArray before = [&] {
        QFile f(copy);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    source.table("npcnames").failAt = 500;
    try {
        importSource(source, "gd.mdb", copy);
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("damaged at row 501"));
    }
    EXPECT_EQ(filesIn(dir.path()), QStringList{"copy.db"});
    QFile after(copy);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST(Importer, ACopyThatCannotBeWrittenIsNamed)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    FakeSource source = gameShapedSource();
    try {
        importSource(source, "gd.mdb", dir.filePath("file/copy.db"));
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().startsWith("Cannot write " + dir.filePath("file/copy.db"))) << e.message().toStdString();
    }

    // The folder is there but the partial file cannot be made: named too, and nothing is left
    // open (the sanitizer build would report the handle).
    const QString target = dir.filePath("copy.db");
    ASSERT_TRUE(QDir().mkpath(partialCopyPath(target, QCoreApplication::applicationPid())));
    try {
        CopyWriter writer(target);
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().startsWith("Cannot write " + target + ": cannot create the file"))
            << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(target));
}

// Editing rows of a dataset: every change goes to the file at once and survives a reopen; every
// refused change leaves the file as it was and the row in editing with what was typed.

#include "data/Connection.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

struct Opened {
    TestDb db{standardRows()};
    Connection connection;
    Opened() { db.point(connection); }
};

// What the file holds, read through a connection of its own.
QString readBack(const TestDb& db, const QString& sql)
{
    Connection c;
    db.point(c);
    Dataset d(c);
    d.setSql(sql);
    d.open();
    return rowsText(d);
}

QString refusal(const std::function<void()>& f)
{
    try {
        f();
    } catch (const DbError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

TEST(RowEditing, EditPostCancelAndStatesRoundTripThroughTheFile)
{
    Opened f;
    Dataset names(f.connection);
    names.setTableName(QStringLiteral("itemnames"));
    names.open();
    QVector<DatasetState> states;
    QObject::connect(&names, &Dataset::stateChanged, [&](DatasetState s) { states << s; });
    ASSERT_TRUE(names.locate(QStringLiteral("id"), QStringLiteral("58"), CaseInsensitive | PartialKey));

    names.setFieldText(QStringLiteral("description"), QStringLiteral("Older wood"));
    EXPECT_EQ(names.state(), DatasetState::Edit) << "typing into a browsed row starts editing";
    EXPECT_EQ(names.asText(QStringLiteral("description")), QStringLiteral("Older wood")) << "the row shows what was typed";
    names.cancel();
    EXPECT_EQ(names.asText(QStringLiteral("description")), QStringLiteral("Old wood"));

    names.edit();
    names.setFieldText(QStringLiteral("description"), QStringLiteral("Older wood"));
    names.post();
    EXPECT_EQ(names.state(), DatasetState::Browse);
    EXPECT_EQ(names.asInteger(QStringLiteral("id")), 58) << "the posted row stays current";
    EXPECT_EQ(states, (QVector<DatasetState>{DatasetState::Edit, DatasetState::Browse, DatasetState::Edit, DatasetState::Browse}));
    EXPECT_EQ(readBack(f.db, QStringLiteral("SELECT description FROM itemnames WHERE id = 58")), QStringLiteral("Older wood"));

    // Moving away from a changed row posts it.
    names.setFieldText(QStringLiteral("name"), QStringLiteral("Staff of Ages"));
    names.next();
    EXPECT_EQ(names.state(), DatasetState::Browse);
    EXPECT_EQ(readBack(f.db, QStringLiteral("SELECT name FROM itemnames WHERE id = 58")), QStringLiteral("Staff of Ages"));
    EXPECT_EQ(f.connection.writeCount(), 2u) << "each write is noted for the shared rows";
}

TEST(RowEditing, InsertAndDeleteRoundTripAndTextIsStoredExactly)
{
    Opened f;
    Dataset names(f.connection);
    names.setTableName(QStringLiteral("itemnames"));
    names.open();
    const int before = names.recordCount();
    names.insert();
    EXPECT_EQ(names.state(), DatasetState::Insert);
    EXPECT_EQ(names.recordCount(), before + 1);
    EXPECT_EQ(names.asInteger(QStringLiteral("id")), 83) << "the next free id is offered";
    const QString tricky = QStringLiteral("It's 100% \"real\"; DROP TABLE x; -- '' %_");
    names.setFieldText(QStringLiteral("name"), tricky);
    names.setFieldText(QStringLiteral("description"), QStringLiteral("a\nb\tc é"));
    names.post();
    EXPECT_EQ(readBack(f.db, QStringLiteral("SELECT id, name, description FROM itemnames WHERE id = 83")),
              QStringLiteral("83|") + tricky + QStringLiteral("|a\nb\tc é"));
    EXPECT_EQ(names.asText(QStringLiteral("name")), tricky);

    names.deleteRecord();
    EXPECT_EQ(names.recordCount(), before);
    EXPECT_EQ(readBack(f.db, QStringLiteral("SELECT count(*) FROM itemnames WHERE id = 83")), QStringLiteral("0"));

    // A new row left unchanged disappears when the user moves on; nothing is written.
    names.insert();
    names.first();
    EXPECT_EQ(names.recordCount(), before);
    EXPECT_EQ(names.state(), DatasetState::Browse);
    EXPECT_EQ(readBack(f.db, QStringLiteral("SELECT count(*) FROM itemnames")), QString::number(before));
}

TEST(RowEditing, RefusedWritesLeaveTheFileAndTheTypedRow)
{
    Opened f;
    const QString file = readBack(f.db, QStringLiteral("SELECT * FROM items ORDER BY id"));
    Dataset items(f.connection);
    items.setTableName(QStringLiteral("items"));
    items.open();

    struct Case {
        const char* field;
        const char* typed;
        const char* says;
    } cases[] = {
        {"weight", "abc", "'abc' is not a valid value for field 'weight': it takes a whole number"},
        {"price", "12.5", "'12.5' is not a valid value for field 'price': it takes a whole number"},
        {"id", "", "Field 'id' must have a value"},
        {"id", "58", "Field 'id' value 58 is already used by another row of items; choose another"},
    };
    for (const Case& c : cases) {
        items.first();
        items.setFieldText(QString::fromLatin1(c.field), QString::fromLatin1(c.typed));
        EXPECT_EQ(refusal([&] { items.post(); }), QString::fromLatin1(c.says)) << c.field;
        EXPECT_EQ(items.state(), DatasetState::Edit) << c.field;
        EXPECT_EQ(items.asText(QString::fromLatin1(c.field)), QString::fromLatin1(c.typed)) << "what was typed stays";
        EXPECT_EQ(refusal([&] { items.next(); }), QString::fromLatin1(c.says)) << "leaving the row is refused too";
        EXPECT_EQ(items.recNo(), 0);
        items.cancel();
    }
    EXPECT_EQ(readBack(f.db, QStringLiteral("SELECT * FROM items ORDER BY id")), file);
    EXPECT_EQ(f.connection.writeCount(), 0u);

    // A duplicate on insert is refused before writing as well.
    Dataset sets(f.connection);
    sets.setTableName(QStringLiteral("sets"));
    sets.open();
    sets.insert();
    sets.setFieldText(QStringLiteral("id"), QStringLiteral("1"));
    sets.setFieldText(QStringLiteral("name"), QStringLiteral("Copy"));
    EXPECT_EQ(refusal([&] { sets.post(); }), QStringLiteral("Field 'id' value 1 is already used by another row of sets; choose another"));
    EXPECT_EQ(sets.state(), DatasetState::Insert);
    EXPECT_EQ(sets.asText(QStringLiteral("name")), QStringLiteral("Copy"));
    sets.cancel();
    EXPECT_EQ(readBack(f.db, QStringLiteral("SELECT count(*) FROM sets")), QStringLiteral("2"));

    // The database-numbered key is read-only.
    Dataset pieces(f.connection);
    pieces.setTableName(QStringLiteral("setitems"));
    pieces.open();
    EXPECT_TRUE(pieces.fieldReadOnly(pieces.fieldIndex(QStringLiteral("id"))));
    EXPECT_EQ(refusal([&] { pieces.setFieldText(QStringLiteral("id"), QStringLiteral("9")); }), QStringLiteral("Field 'id' cannot be modified"));
}

TEST(RowEditing, ReadOnlyAndLockedFilesRefuseWithTheRowKept)
{
    Opened f;
    Dataset names(f.connection);
    names.setTableName(QStringLiteral("npcnames"));
    names.open();

    // A file that cannot be written (the process may run as root, for whom permissions do not
    // count, so the connection is made read-only instead).
    sqlite3_exec(f.connection.handle(), "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
    names.setFieldText(QStringLiteral("title"), QStringLiteral("Sleepy"));
    EXPECT_TRUE(refusal([&] { names.post(); }).contains(QLatin1String("readonly"))) << refusal([&] { names.post(); }).toStdString();
    EXPECT_EQ(names.state(), DatasetState::Edit);
    EXPECT_EQ(refusal([&] { names.deleteRecord(); }).isEmpty(), false);
    sqlite3_exec(f.connection.handle(), "PRAGMA query_only = 0", nullptr, nullptr, nullptr);

    // Another program holds the file's write lock.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(f.db.path().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_TRUE(refusal([&] { names.post(); }).contains(QLatin1String("locked")));
    EXPECT_EQ(names.asText(QStringLiteral("title")), QStringLiteral("Sleepy"));
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    EXPECT_EQ(readBack(f.db, QStringLiteral("SELECT title FROM npcnames WHERE id = 1")), QString());
    names.post();
    EXPECT_EQ(readBack(f.db, QStringLiteral("SELECT title FROM npcnames WHERE id = 1")), QStringLiteral("Sleepy"));
}

TEST(RowEditing, DetailRowsTakeTheMastersKeyAndStatementSetsWriteTheirTable)
{
    Opened f;
    Dataset sets(f.connection);
    sets.setTableName(QStringLiteral("sets"));
    Dataset pieces(f.connection);
    pieces.setTableName(QStringLiteral("setitems"));
    pieces.setMasterLink(&sets, QStringLiteral("id"), QStringLiteral("set_id"));
    sets.open();
    pieces.open();
    sets.last();
    const int shown = pieces.recordCount();
    pieces.insert();
    EXPECT_EQ(pieces.asInteger(QStringLiteral("set_id")), 2) << "a new piece belongs to the current set";
    EXPECT_TRUE(pieces.asText(QStringLiteral("id")).isEmpty()) << "the database numbers the piece";
    pieces.setFieldText(QStringLiteral("item_id"), QStringLiteral("71"));
    // Moving the master posts the detail first.
    sets.first();
    EXPECT_EQ(pieces.state(), DatasetState::Browse);
    sets.last();
    EXPECT_EQ(pieces.recordCount(), shown + 1);
    EXPECT_EQ(readBack(f.db, QStringLiteral("SELECT set_id, item_id FROM setitems WHERE item_id = 71 ORDER BY id DESC LIMIT 1")),
              QStringLiteral("2|71"));

    // A statement over one table writes that table; a new drop carries no monster until typed.
    Dataset drops(f.connection);
    drops.setSql(QStringLiteral("select * from drops"));
    drops.setUpdateTable(QStringLiteral("drops"));
    drops.setFilter(QStringLiteral("npc_id = '3'"));
    drops.setFiltered(true);
    drops.open();
    const int before = drops.recordCount();
    drops.insert();
    EXPECT_TRUE(drops.asText(QStringLiteral("npc_id")).isEmpty());
    drops.setFieldText(QStringLiteral("npc_id"), QStringLiteral("3"));
    drops.setFieldText(QStringLiteral("item_id"), QStringLiteral("80"));
    drops.setFieldText(QStringLiteral("percentage"), QStringLiteral("12.5"));
    drops.post();
    EXPECT_EQ(drops.recordCount(), before + 1);
    EXPECT_EQ(drops.asText(QStringLiteral("percentage")), QStringLiteral("12.5"));
    drops.setFieldText(QStringLiteral("percentage"), QStringLiteral("lots"));
    EXPECT_EQ(refusal([&] { drops.post(); }), QStringLiteral("'lots' is not a valid value for field 'percentage': it takes a number"));
    drops.cancel();
    drops.deleteRecord();
    EXPECT_EQ(drops.recordCount(), before);
    EXPECT_EQ(readBack(f.db, QStringLiteral("SELECT count(*) FROM drops WHERE item_id = 80 AND npc_id = 3 AND percentage = 12.5")),
              QStringLiteral("0"));
}

TEST(RowEditing, OtherDatasetsKeepWhatTheyFetchedAndNewOpensSeeTheWrite)
{
    Opened f;
    Dataset browsing(f.connection);
    browsing.setSql(QStringLiteral("SELECT id, name FROM npcnames ORDER BY id"));
    browsing.open();
    browsing.fetchRows(); // a grid has shown them
    Dataset names(f.connection);
    names.setTableName(QStringLiteral("npcnames"));
    names.open();
    names.setFieldText(QStringLiteral("name"), QStringLiteral("Ashen King"));
    names.post();
    EXPECT_EQ(browsing.asText(QStringLiteral("name")), QStringLiteral("Ashen Ghoul")) << "an open list keeps its rows";
    Dataset later(f.connection);
    later.setSql(QStringLiteral("SELECT id, name FROM npcnames ORDER BY id"));
    later.open();
    EXPECT_EQ(later.asText(QStringLiteral("name")), QStringLiteral("Ashen King")) << "a list opened afterwards sees the write";
}

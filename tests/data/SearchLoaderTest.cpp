// Reading the search's lists from the database file and building the index on a thread of its
// own: statements and whole tables with their key, name, detail and icon fields, one row per key
// where asked, failures named, a stop that cuts a long read short, an index handed over when the
// thread ends, stale after a write and read again, and a loader destroyed in the middle of a read.

#include "data/DbError.h"
#include "data/ReadConnection.h"
#include "data/SearchIndexLoader.h"
#include "tests/data/TestDb.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

namespace {

SearchList itemsList()
{
    SearchList l;
    l.kind = 0;
    l.statement = QStringLiteral("SELECT I.id, N.name, I.name, I.icon, I.type FROM items AS I, itemnames AS N "
                                 "WHERE I.id = N.id AND I.type <> \"Material\"");
    l.keyFields = {QStringLiteral("id")};
    l.nameField = QStringLiteral("N.name");
    l.otherNameField = QStringLiteral("I.name");
    l.detailField = QStringLiteral("type");
    l.detailFormat = QStringLiteral("(%1)");
    l.noDetail = QStringLiteral("armor");
    l.iconField = QStringLiteral("icon");
    return l;
}

SearchList setsList()
{
    SearchList l;
    l.kind = 2;
    l.table = QStringLiteral("sets");
    l.keyFields = {QStringLiteral("id")};
    l.nameField = QStringLiteral("name");
    return l;
}

SearchList skillsList()
{
    SearchList l;
    l.kind = 7;
    l.statement = QStringLiteral("SELECT skil_id, level, name FROM skillnames ORDER BY skil_id, level DESC");
    l.keyFields = {QString(), QStringLiteral("skil_id")};
    l.nameField = QStringLiteral("name");
    l.detailField = QStringLiteral("level");
    l.onePerKey = true;
    return l;
}

// Two thousand more sets, and a list of every pair of them: four million rows, far more than
// a read lets through once it is stopped.
const QString kManySets = QStringLiteral(R"SQL(
WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)
INSERT INTO sets (id, name, bonus, type) SELECT i, 'Set ' || i, '', 'Heavy' FROM n;)SQL");

SearchList crossJoinedSets()
{
    SearchList huge = setsList();
    huge.table.clear();
    huge.statement = QStringLiteral("SELECT a.id, a.name FROM sets AS a, sets AS b");
    return huge;
}

const SearchItem* byName(const std::vector<SearchItem>& items, const QString& name)
{
    for (const SearchItem& i : items)
        if (i.name == name)
            return &i;
    return nullptr;
}

// Runs the event loop until the loader's read ends (or a minute has gone, for a hung read).
void waitForRead(SearchIndexLoader& loader)
{
    QEventLoop loop;
    QObject::connect(&loader, &SearchIndexLoader::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    if (loader.loading())
        loop.exec();
}

QStringList names(const SearchIndex& index, const QString& text)
{
    QStringList out;
    for (const SearchGroup& g : index.find(text, 50))
        for (const SearchHit& h : g.hits)
            out << index.name(h.entry);
    return out;
}

} // namespace

TEST(SearchSource, ReadsStatementsAndTablesWithTheirFields)
{
    TestDb db(standardRows());
    const std::vector<SearchItem> items = readSearchItems(db.path(), {itemsList(), setsList(), skillsList()});

    const SearchItem* sword = byName(items, QStringLiteral("Sword of Valor"));
    ASSERT_TRUE(sword);
    EXPECT_EQ(sword->kind, 0);
    EXPECT_EQ(sword->key, QStringList({"57"}));
    EXPECT_EQ(sword->otherName, QStringLiteral("sword_of_valor"));
    EXPECT_EQ(sword->detail, QStringLiteral("(Weapon)"));
    EXPECT_EQ(sword->icon, QStringLiteral("weapon_sword_01"));
    const SearchItem* plate = byName(items, QStringLiteral("Blackwood Breastplate"));
    ASSERT_TRUE(plate);
    EXPECT_TRUE(plate->detail.isEmpty()) << "the value meaning none, in any letter case, shows no detail";
    EXPECT_FALSE(byName(items, QStringLiteral("Iron Ore"))) << "what the statement leaves out is not read";

    const SearchItem* set = byName(items, QStringLiteral("Wanderer's Set"));
    ASSERT_TRUE(set);
    EXPECT_EQ(set->kind, 2);
    EXPECT_EQ(set->key, QStringList({"2"}));

    int strikes = 0;
    for (const SearchItem& i : items)
        if (i.name == QLatin1String("Power Strike")) {
            ++strikes;
            EXPECT_EQ(i.key, QStringList({"", "1"}));
            EXPECT_EQ(i.detail, QStringLiteral("2")) << "the first row of a key wins";
        }
    EXPECT_EQ(strikes, 1);
}

TEST(SearchSource, NamesWhatItCannotRead)
{
    TestDb db(standardRows());
    SearchList wrongField = setsList();
    wrongField.nameField = QStringLiteral("title");
    try {
        readSearchItems(db.path(), {wrongField});
        FAIL() << "an unknown field is refused";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("title"))) << e.message().toStdString();
    }
    SearchList wrongTable = setsList();
    wrongTable.table = QStringLiteral("no_such_table");
    EXPECT_THROW(readSearchItems(db.path(), {wrongTable}), DbError);
    try {
        readSearchItems(db.folder() + QStringLiteral("missing.mdb"), {setsList()});
        FAIL() << "a missing file is refused";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("missing.mdb"))) << e.message().toStdString();
    }
}

TEST(SearchSource, AStopCutsALongReadShort)
{
    TestDb db(standardRows() + kManySets);
    const SearchList huge = crossJoinedSets();
    ReadStop stop;
    std::vector<SearchItem> items;
    std::thread reader([&] { items = readSearchItems(db.path(), {huge, setsList()}, &stop); });
    // The items are the reader's until it has ended.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    stop.stop();
    reader.join();
    EXPECT_LT(items.size(), size_t(2003 * 2003));
    ReadStop stopped;
    stopped.stop();
    EXPECT_TRUE(readSearchItems(db.path(), {setsList()}, &stopped).empty()) << "a stopped read reads nothing";
}

TEST(SearchIndexLoader, BuildsOnAThreadAndReadsAgainAfterAWrite)
{
    TestDb db(standardRows());
    Connection connection;
    db.point(connection);
    SearchIndexLoader loader({itemsList(), setsList()});
    EXPECT_FALSE(loader.current(connection)) << "nothing is built before the first read";
    EXPECT_TRUE(loader.loading());
    waitForRead(loader);
    ASSERT_FALSE(loader.loading());
    std::shared_ptr<const SearchIndex> index = loader.current(connection);
    ASSERT_TRUE(index);
    EXPECT_TRUE(loader.failure().isEmpty());
    EXPECT_EQ(names(*index, QStringLiteral("valor")), QStringList({"Sword of Valor"}));
    EXPECT_EQ(loader.current(connection), index) << "a current index is kept";
    EXPECT_FALSE(loader.loading());

    // Another program's change goes unseen until the program's connection notes a write.
    db.exec(QStringLiteral("UPDATE itemnames SET name = 'Sword of Dawn' WHERE id = 57"));
    EXPECT_EQ(loader.current(connection), index);
    connection.noteWrite();
    EXPECT_FALSE(loader.current(connection)) << "a write makes the index stale";
    EXPECT_TRUE(loader.loading());
    waitForRead(loader);
    index = loader.current(connection);
    ASSERT_TRUE(index);
    EXPECT_EQ(names(*index, QStringLiteral("dawn")), QStringList({"Sword of Dawn"}));
    EXPECT_EQ(names(*index, QStringLiteral("valor")), QStringList({"Sword of Dawn"})) << "by its internal name only";
}

TEST(SearchIndexLoader, AFailedReadIsToldAndNotRepeated)
{
    TestDb db(standardRows());
    Connection connection;
    connection.setConnectionString(Connection::composeConnectionStringForFile(db.folder() + QStringLiteral("gone.mdb")));
    SearchIndexLoader loader({setsList()});
    loader.load(connection);
    waitForRead(loader);
    EXPECT_TRUE(loader.failure().contains(QStringLiteral("gone.mdb"))) << loader.failure().toStdString();
    EXPECT_FALSE(loader.current(connection));
    EXPECT_FALSE(loader.loading()) << "the same file at the same write count is not read again";

    // Another file is.
    db.point(connection);
    EXPECT_FALSE(loader.current(connection));
    EXPECT_TRUE(loader.loading());
    waitForRead(loader);
    EXPECT_TRUE(loader.current(connection));
    EXPECT_TRUE(loader.failure().isEmpty());
}

TEST(SearchIndexLoader, EndsCleanlyInTheMiddleOfARead)
{
    TestDb db(standardRows() + kManySets);
    Connection connection;
    db.point(connection);
    const SearchList huge = crossJoinedSets();
    for (int wait : {0, 50}) {
        auto loader = std::make_unique<SearchIndexLoader>(QVector<SearchList>{huge});
        loader->load(connection);
        ASSERT_TRUE(loader->loading());
        std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        // The destructor stops the read and waits for its thread.
        loader.reset();
        QCoreApplication::processEvents();
    }
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

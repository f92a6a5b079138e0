// The misc items window on the fixture database: the items that are no equipment (by LIKE, so
// in any letter case), its categories, the search on the display name, the drop and spoil
// panes of "Drop/Spoil Info" with their jumps and strips, its unsortable list, and the request.

#include "browse/DbLookupComboBox.h"
#include "browse/HeaderStrip.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "windows/Items.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>

using namespace windowenv;

class ItemsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }

    void listsEveryOtherItemByDisplayName();
    void categoryFilter();
    void searchesTheDisplayName_data();
    void searchesTheDisplayName();
    void dropAndSpoilPanes();
    void stripsAndJumpsOfTheSourcePanes();
    void consumesTheItemRequest_data();
    void consumesTheItemRequest();

private:
    std::unique_ptr<FixtureDb> m_fixture;
};

void ItemsTest::listsEveryOtherItemByDisplayName()
{
    FakeHost host;
    auto form = openForm<TItemsForm>(host, *m_fixture);
    QCOMPARE(form->windowTitle(), QStringLiteral("Items"));
    using namespace fixture;
    Dataset& items = query(*form, QStringLiteral("QueryItems"));
    // The pet collar is listed (no pet exclusion here); the "weapon" in lower case is not.
    QCOMPARE(integers(items, QStringLiteral("id")),
             ids({kAnimalBone, kCoarseThread, kHealingPotion, kIronOre, kOakResin, kStaffRecipe, kWolfCollar}));
    auto* grid = part<DbGrid>(*form, QStringLiteral("DBGrid1"));
    QCOMPARE(shown(*grid, 1).first(), QStringLiteral("Animal Bone"));
    QCOMPARE(shown(*grid, 5), (QStringList{"True", "True", "True", "True", "True", "False", "False"}));
    // Its own title row, the icon column headed by its field name; a click there sorts nothing.
    QVERIFY(grid->horizontalHeader()->isVisible());
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("icon"));
    QHeaderView* titles = grid->horizontalHeader();
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                      QPoint(titles->sectionViewportPosition(1) + 10, titles->height() / 2));
    QVERIFY(items.sort().isEmpty());
    QCOMPARE(items.asInteger(QStringLiteral("id")), qint64(kAnimalBone));
    QVERIFY(part<QTabWidget>(*form, QStringLiteral("PageControl1"))->widget(0)->findChildren<HeaderStrip*>().isEmpty());
}

void ItemsTest::categoryFilter()
{
    FakeHost host;
    auto form = openForm<TItemsForm>(host, *m_fixture);
    auto* types = part<DbLookupComboBox>(*form, QStringLiteral("DBLookupComboBox1"));
    QStringList offered;
    for (int i = 0; i < types->count(); ++i)
        offered << types->itemText(i);
    QCOMPARE(offered, (QStringList{"Material", "Pet Collar", "Potion", "Recipe"}));

    types->setCurrentIndex(types->findText(QStringLiteral("Pet Collar")));
    emit types->activated(types->currentIndex());
    Dataset& items = query(*form, QStringLiteral("QueryItems"));
    QCOMPARE(items.filter(), QStringLiteral("type = 'Pet Collar'"));
    QCOMPARE(integers(items, QStringLiteral("id")), ids({fixture::kWolfCollar}));
}

void ItemsTest::searchesTheDisplayName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("selected");
    using namespace fixture;
    QTest::newRow("prefix, any case") << "iRo" << qint64(kIronOre);
    QTest::newRow("alphabetically first of two") << "R" << qint64(kStaffRecipe);
    QTest::newRow("middle of a name moves nothing") << "Bone" << qint64(kAnimalBone);
    QTest::newRow("no such name") << "zz" << qint64(kAnimalBone);
}

void ItemsTest::searchesTheDisplayName()
{
    QFETCH(QString, typed);
    QFETCH(qint64, selected);
    FakeHost host;
    auto form = openForm<TItemsForm>(host, *m_fixture);
    QTest::keyClicks(part<QLineEdit>(*form, QStringLiteral("Edit1")), typed);
    QCOMPARE(query(*form, QStringLiteral("QueryItems")).asInteger(QStringLiteral("id")), selected);
}

void ItemsTest::dropAndSpoilPanes()
{
    FakeHost host;
    auto form = openForm<TItemsForm>(host, *m_fixture);
    auto* search = part<QLineEdit>(*form, QStringLiteral("Edit1"));
    // Iron Ore is dropped by the field rat and spoiled by the ranger: one row in each pane.
    QTest::keyClicks(search, QStringLiteral("Iron"));
    auto* drops = part<DbGrid>(*form, QStringLiteral("DBGrid5"));
    auto* spoils = part<DbGrid>(*form, QStringLiteral("DBGrid4"));
    QCOMPARE(shown(*drops, 1), QStringList{"Field Rat"});
    QCOMPARE(shown(*drops, 4), QStringList{"1-3"});
    QCOMPARE(shown(*spoils, 1), QStringList{fixture::kRangerName});
    QCOMPARE(shown(*spoils, 4), QStringList{"2-6"});
    QCOMPARE(query(*form, QStringLiteral("AlternativeSpoil")).filter(), QStringLiteral("item_id = '90'"));
    // Coarse Thread is only spoiled; no recipe makes a misc item, so the ingredient panes are empty.
    search->clear();
    QTest::keyClicks(search, QStringLiteral("Coarse"));
    QCOMPARE(drops->model()->rowCount(), 0);
    QCOMPARE(shown(*spoils, 4), QStringList{"1-2"});
    QCOMPARE(query(*form, QStringLiteral("AlternativeSpoil1")).filter(), QStringLiteral("item_id = 0"));
    QCOMPARE(part<DbGrid>(*form, QStringLiteral("DBGrid6"))->model()->rowCount(), 0);
    // A double-click on the list shows the source page.
    doubleClickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid1")), 0);
    QCOMPARE(part<QTabWidget>(*form, QStringLiteral("PageControl1"))->currentIndex(), 1);
    QCOMPARE(part<QTabWidget>(*form, QStringLiteral("PageControl1"))->tabText(1), QStringLiteral("Drop/Spoil Info"));
}

void ItemsTest::stripsAndJumpsOfTheSourcePanes()
{
    FakeHost host;
    auto form = openForm<TItemsForm>(host, *m_fixture);
    QTest::keyClicks(part<QLineEdit>(*form, QStringLiteral("Edit1")), QStringLiteral("Iron"));
    part<QTabWidget>(*form, QStringLiteral("PageControl1"))->setCurrentIndex(1);
    // Every strip sorts its own pane, section 0 included; a second click turns the order round.
    const char* const pairs[][2] = {{"HeaderControl1", "AlternativeDrops"}, {"HeaderControl2", "AlternativeSpoil"},
                                     {"HeaderControl3", "AlternativeDrop1"}, {"HeaderControl4", "AlternativeSpoil1"}};
    for (const auto& pair : pairs) {
        auto* strip = part<HeaderStrip>(*form, QLatin1String(pair[0]));
        clickSection(*form, *strip, 0);
        QCOMPARE(query(*form, QLatin1String(pair[1])).sort(), QStringLiteral("level ASC"));
        clickSection(*form, *strip, 0);
        QCOMPARE(query(*form, QLatin1String(pair[1])).sort(), QStringLiteral("level DESC"));
    }
    part<QTabWidget>(*form, QStringLiteral("PageControl1"))->setCurrentIndex(1);
    doubleClickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid4")), 0);
    doubleClickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid5")), 0);
    QCOMPARE(host.opened.size(), 2);
    QCOMPARE(host.opened[0].kind, WindowKind::Monsters);
    QCOMPARE(host.opened[0].monsterId, QString::number(fixture::kRanger));
    QCOMPARE(host.opened[1].monsterId, QString::number(fixture::kFieldRat));
}

void ItemsTest::consumesTheItemRequest_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<qint64>("selected");
    using namespace fixture;
    QTest::newRow("a potion") << QString::number(kHealingPotion) << qint64(kHealingPotion);
    // The monsters window sends a "weapon" in lower case here, which this list leaves out too.
    QTest::newRow("lower-case weapon, first row") << QString::number(kBrokenHilt) << qint64(kAnimalBone);
}

void ItemsTest::consumesTheItemRequest()
{
    QFETCH(QString, requested);
    QFETCH(qint64, selected);
    FakeHost host;
    host.ItemLocatePending = true;
    host.ItemLocateId = requested;
    auto form = openForm<TItemsForm>(host, *m_fixture);
    QCOMPARE(query(*form, QStringLiteral("QueryItems")).asInteger(QStringLiteral("id")), selected);
    QCOMPARE(query(*form, QStringLiteral("AlternativeDrops")).filter(), QStringLiteral("item_id = '%1'").arg(selected));
    QVERIFY(!host.ItemLocatePending);
    QVERIFY(host.ItemLocateId.isEmpty());
}

QTEST_MAIN(ItemsTest)
#include "ItemsTest.moc"

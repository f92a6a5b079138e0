// The armor window on the fixture database: which pieces it lists and in what order, its
// body-part filter, the item request, and which dataset each of its strips and panes drives.

#include "browse/DbLookupComboBox.h"
#include "browse/HeaderStrip.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "windows/Armor.h"

#include <QTabWidget>

using namespace windowenv;

class ArmorTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }

    void listsTheNineBodyPartsByTypeThenDefence();
    void bodyPartFilter_data();
    void bodyPartFilter();
    void consumesTheItemRequest_data();
    void consumesTheItemRequest();
    void stripsSortTheirOwnDatasets();
    void monsterPanesOpenTheMonster();

private:
    std::unique_ptr<FixtureDb> m_fixture;
};

void ArmorTest::listsTheNineBodyPartsByTypeThenDefence()
{
    FakeHost host;
    auto form = openForm<TArmorForm>(host, *m_fixture);
    QCOMPARE(form->windowTitle(), QStringLiteral("Armor"));
    Dataset& armor = query(*form, QStringLiteral("QueryArmor"));
    // Heavy 40/60/90, Light, Robe, Shield 80/120: shields of both kinds are in, the gloves
    // without an armor row and the jewellery are not.
    using namespace fixture;
    QCOMPARE(integers(armor, QStringLiteral("id")),
             ids({kBlackwoodHelm, kBlackwoodGaiters, kBlackwoodBreastplate, kWanderersBoots, kMoonweaveRobe,
                  kBucklerOfDawn, kTowerShield}));
    QCOMPARE(armor.recordCount(), kListedArmorCount);
    // The grid shows what the user reads: the name column and the first row's panes.
    auto* grid = part<DbGrid>(*form, QStringLiteral("DBGrid1"));
    QCOMPARE(shown(*grid, 1).first(), QStringLiteral("Blackwood Helm"));
    QCOMPARE(query(*form, QStringLiteral("ReciepeQuery")).filter(), QStringLiteral("item_id = '72'"));
    QCOMPARE(query(*form, QStringLiteral("ReciepeQuery")).recordCount(), 2);
    // The type list offers the body parts of armor_type, alphabetically.
    auto* types = part<DbLookupComboBox>(*form, QStringLiteral("DBLookupComboBox1"));
    QCOMPARE(types->count(), 9);
    QCOMPARE(types->itemText(0), QStringLiteral("Boots"));
    QCOMPARE(types->itemText(8), QStringLiteral("Upper Body"));
    QVERIFY(types->text().isEmpty());
}

void ArmorTest::bodyPartFilter_data()
{
    QTest::addColumn<QString>("bodyPart");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<qint64>>("listed");
    QTest::addColumn<int>("ingredients");
    using namespace fixture;
    QTest::newRow("shields") << "Shields" << "body_part = 'Shields'" << ids({kBucklerOfDawn, kTowerShield}) << 0;
    QTest::newRow("helmets, with a recipe") << "Helmets" << "body_part = 'Helmets'" << ids({kBlackwoodHelm}) << 2;
    QTest::newRow("no piece of that part") << "Cloack" << "body_part = 'Cloack'" << QList<qint64>() << 0;
}

void ArmorTest::bodyPartFilter()
{
    QFETCH(QString, bodyPart);
    QFETCH(QString, filter);
    QFETCH(QList<qint64>, listed);
    QFETCH(int, ingredients);
    FakeHost host;
    auto form = openForm<TArmorForm>(host, *m_fixture);
    // Move off the first row, so that the filter's move to the first row is seen.
    Dataset& armor = query(*form, QStringLiteral("QueryArmor"));
    armor.last();
    auto* types = part<DbLookupComboBox>(*form, QStringLiteral("DBLookupComboBox1"));
    types->setCurrentIndex(types->findText(bodyPart));
    emit types->activated(types->currentIndex());

    QCOMPARE(armor.filter(), filter);
    QVERIFY(armor.filtered());
    QCOMPARE(integers(armor, QStringLiteral("id")), listed);
    QCOMPARE(armor.recNo(), listed.isEmpty() ? -1 : 0);
    // The panes follow the first remaining piece, or empty with the list.
    QCOMPARE(query(*form, QStringLiteral("ReciepeQuery")).recordCount(), ingredients);
    if (listed.isEmpty())
        QVERIFY(query(*form, QStringLiteral("AlternativeDrops")).isEmpty());
}

void ArmorTest::consumesTheItemRequest_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<qint64>("selected");
    using namespace fixture;
    QTest::newRow("a listed piece") << QString::number(kWanderersBoots) << qint64(kWanderersBoots);
    QTest::newRow("a shield from the weapons side") << QString::number(kTowerShield) << qint64(kTowerShield);
    QTest::newRow("an accessory stays on the first row") << QString::number(kRingOfTides) << qint64(kBlackwoodHelm);
    QTest::newRow("armor without armor row") << QString::number(kMoonweaveGloves) << qint64(kBlackwoodHelm);
}

void ArmorTest::consumesTheItemRequest()
{
    QFETCH(QString, requested);
    QFETCH(qint64, selected);
    FakeHost host;
    host.ItemLocatePending = true;
    host.ItemLocateId = requested;
    host.MonsterLocatePending = false;
    auto form = openForm<TArmorForm>(host, *m_fixture);
    Dataset& armor = query(*form, QStringLiteral("QueryArmor"));
    QCOMPARE(armor.asInteger(QStringLiteral("id")), selected);
    QCOMPARE(query(*form, QStringLiteral("AlternativeDrops")).filter(), QStringLiteral("item_id = '%1'").arg(selected));
    QVERIFY(!host.ItemLocatePending);
    QVERIFY(host.ItemLocateId.isEmpty());
    QCOMPARE(part<QTabWidget>(*form, QStringLiteral("PageControl1"))->currentIndex(), 0);
}

void ArmorTest::stripsSortTheirOwnDatasets()
{
    FakeHost host;
    auto form = openForm<TArmorForm>(host, *m_fixture);
    struct Case {
        const char* strip;
        const char* dataset;
        int section;
        const char* sort;
    } cases[] = {
        {"HeaderControl1", "QueryArmor", 0, ""},  // the icon heading sorts nothing
        {"HeaderControl1", "QueryArmor", 6, "crystal_count ASC"},
        {"HeaderControl2", "AlternativeDrops", 0, "level ASC"},
        {"HeaderControl3", "AlternativeDrop1", 1, "npcnames.name ASC"},
        {"HeaderControl4", "AlternativeSpoil", 3, "nrdrops ASC"},
    };
    for (const Case& c : cases) {
        clickSection(*form, *part<HeaderStrip>(*form, QLatin1String(c.strip)), c.section);
        QCOMPARE(query(*form, QLatin1String(c.dataset)).sort(), QLatin1String(c.sort));
    }
    // Section texts: the icon column has no caption and shows its field name.
    auto* listStrip = part<HeaderStrip>(*form, QStringLiteral("HeaderControl1"));
    QCOMPARE(listStrip->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("icon"));
    QCOMPARE(listStrip->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Cristals"));
    QCOMPARE(listStrip->sectionSize(0), part<DbGrid>(*form, QStringLiteral("DBGrid1"))->columnWidth(0));
}

void ArmorTest::monsterPanesOpenTheMonster()
{
    // The helm's ingredients: Coarse Thread x4 (spoiled by the frost drake only), then Iron Ore
    // x20, dropped by the field rat and spoiled by the ranger. A click on Iron Ore shows its sources.
    FakeHost host;
    auto form = openForm<TArmorForm>(host, *m_fixture);
    part<QTabWidget>(*form, QStringLiteral("PageControl1"))->setCurrentIndex(2);
    QVERIFY(query(*form, QStringLiteral("AlternativeDrop1")).isEmpty());
    clickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid2")), 1, 2);
    QCOMPARE(query(*form, QStringLiteral("ReciepeQuery")).asText(QStringLiteral("name")), QStringLiteral("Iron Ore"));
    doubleClickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid3")), 0);
    doubleClickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid4")), 0);
    QCOMPARE(host.opened.size(), 2);
    QCOMPARE(host.opened[0].kind, WindowKind::Monsters);
    QCOMPARE(host.opened[0].monsterId, QString::number(fixture::kFieldRat));
    QCOMPARE(host.opened[1].monsterId, QString::number(fixture::kRanger));
    // The helm has no drop sources: a double-click on the empty pane opens nothing.
    part<QTabWidget>(*form, QStringLiteral("PageControl1"))->setCurrentIndex(1);
    doubleClickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid5")), 0);
    QCOMPARE(host.opened.size(), 2);
}

QTEST_MAIN(ArmorTest)
#include "ArmorTest.moc"

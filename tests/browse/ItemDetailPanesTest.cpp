// The item detail cascade over the test fixture, and the cross-window requests.

#include "browse/NameSearch.h"
#include "data/Connection.h"
#include "data/Dataset.h"
#include "panes/ItemDetailPanes.h"
#include "panes/LocateRequests.h"
#include "tests/support/FakeHost.h"
#include "tools/gendb/Fixture.h"
#include "tools/gendb/Generator.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(std::optional<WindowKind>)

class ItemDetailPanesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void itemFiltersFollowTheSelectedItem();
    void itemWithoutRecipeEmptiesTheIngredientSide();
    void emptyMainListEmptiesEveryPane();
    void recipeValuesFollowTheIngredientsRate();
    void panesShowTheItemChosenBeforeTheyOpened();
    void itemKindChoosesTheWindow_data();
    void itemKindChoosesTheWindow();
    void monsterJumpRaisesTheRequestOrNothing();
    void itemJumpTakesTheIdOfItsOwnRow();
    void consumingClearsTheRequestFoundOrNot();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Connection> m_connection;
    std::unique_ptr<ItemDetailPanes> m_panes;
};

void ItemDetailPanesTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    gen::generateFixture(m_dir.path() + QStringLiteral("/gd.mdb"), m_dir.path() + QStringLiteral("/images"));
}

void ItemDetailPanesTest::init()
{
    m_connection = std::make_unique<Connection>();
    m_connection->setConnectionString(Connection::composeConnectionString(m_dir.path() + QLatin1Char('/')));
    m_panes = std::make_unique<ItemDetailPanes>(*m_connection, ItemDetailPanes::ItemDropsOnly);
    ItemDetailPanes* panes = m_panes.get();
    m_panes->ingredients().setAfterScroll([panes] { panes->showIngredient(); });
    m_panes->open({&m_panes->itemDrops(), &m_panes->ingredients(), &m_panes->recipeInfo(),
                   &m_panes->ingredientSpoils(), &m_panes->ingredientDrops()});
}

void ItemDetailPanesTest::cleanup()
{
    m_panes.reset();
    m_connection.reset();
}

void ItemDetailPanesTest::itemFiltersFollowTheSelectedItem()
{
    m_panes->showItem(QString::number(fixture::kSwordOfValor));
    QCOMPARE(m_panes->itemDrops().filter(), QStringLiteral("item_id = '57'"));
    QCOMPARE(m_panes->ingredients().filter(), QStringLiteral("item_id = '57'"));
    QVERIFY(m_panes->itemDrops().filtered());
    // Highest chance first; max 0 is never listed; quantities as min-max or 1.
    Dataset& drops = m_panes->itemDrops();
    QCOMPARE(drops.recordCount(), 2);
    QCOMPARE(drops.asText(QStringLiteral("npcnames.name")), QString::fromLatin1(fixture::kAshenGhoulName));
    QCOMPARE(drops.asText(QStringLiteral("nrdrops")), QStringLiteral("2-5"));
    QCOMPARE(drops.asText(QStringLiteral("id")), QString::number(fixture::kAshenGhoul));
    QCOMPARE(drops.displayText(1, drops.fieldIndex(QStringLiteral("nrdrops"))), QStringLiteral("1"));
    QCOMPARE(drops.displayText(1, drops.fieldIndex(QStringLiteral("percentage"))), QStringLiteral("0.35"));
}

void ItemDetailPanesTest::itemWithoutRecipeEmptiesTheIngredientSide()
{
    m_panes->showItem(QString::number(fixture::kElderOakStaff));
    QVERIFY(m_panes->ingredientDrops().recordCount() > 0);
    m_panes->showItem(QString::number(fixture::kSwordOfValor));
    QCOMPARE(m_panes->ingredients().recordCount(), 0);
    QCOMPARE(m_panes->ingredientDrops().filter(), QStringLiteral("item_id = 0"));
    QCOMPARE(m_panes->ingredientSpoils().filter(), QStringLiteral("item_id = 0"));
    QCOMPARE(m_panes->ingredientDrops().recordCount(), 0);
    QCOMPARE(m_panes->ingredientSpoils().recordCount(), 0);
    QCOMPARE(m_panes->recipeInfo().recordCount(), 0);
}

void ItemDetailPanesTest::emptyMainListEmptiesEveryPane()
{
    m_panes->showItem(QString::number(fixture::kElderOakStaff));
    m_panes->showItem(QString());
    for (Dataset* d : {&m_panes->itemDrops(), &m_panes->ingredients(), &m_panes->ingredientDrops(),
                       &m_panes->ingredientSpoils(), &m_panes->recipeInfo()}) {
        QCOMPARE(d->filter(), QStringLiteral("item_id = 0"));
        QCOMPARE(d->recordCount(), 0);
    }
}

void ItemDetailPanesTest::recipeValuesFollowTheIngredientsRate()
{
    m_panes->showItem(QString::number(fixture::kElderOakStaff));
    Dataset& ingredients = m_panes->ingredients();
    Dataset& recipe = m_panes->recipeInfo();
    QCOMPARE(ingredients.recordCount(), 4);
    // Rate 100 first, smallest quantity first: Animal Bone x5.
    QCOMPARE(ingredients.asText(QStringLiteral("rate")), QStringLiteral("100"));
    QCOMPARE(ingredients.asText(QStringLiteral("id")), QString::number(fixture::kAnimalBone));
    QCOMPARE(recipe.asText(QStringLiteral("level")), QStringLiteral("3"));
    QCOMPARE(recipe.asText(QStringLiteral("npc_fee")), QStringLiteral("500"));
    QCOMPARE(m_panes->ingredientDrops().asText(QStringLiteral("id")), QString::number(fixture::kAshenGhoul));

    ingredients.moveTo(2);  // first ingredient of the rate-60 recipe
    QCOMPARE(ingredients.asText(QStringLiteral("rate")), QStringLiteral("60"));
    QCOMPARE(recipe.recordCount(), 1);
    QCOMPARE(recipe.asText(QStringLiteral("level")), QStringLiteral("2"));
    QCOMPARE(recipe.asText(QStringLiteral("mp")), QStringLiteral("90"));
    QCOMPARE(recipe.asText(QStringLiteral("npc_fee")), QStringLiteral("200"));
    QCOMPARE(recipe.asText(QStringLiteral("output")), QStringLiteral("1"));
    QCOMPARE(m_panes->ingredientDrops().filter(), QStringLiteral("item_id = '%1'").arg(ingredients.asText("id")));
}

void ItemDetailPanesTest::panesShowTheItemChosenBeforeTheyOpened()
{
    ItemDetailPanes panes(*m_connection, ItemDetailPanes::ItemDropsAndSpoils);
    panes.showItem(QString::number(fixture::kIronOre));  // the main list opens first
    QVERIFY(!panes.itemDrops().isOpen());
    panes.open({&panes.itemDrops(), panes.itemSpoils()});
    QVERIFY(panes.ingredients().isOpen());
    QCOMPARE(panes.itemDrops().recordCount(), 1);
    QCOMPARE(panes.itemSpoils()->recordCount(), 1);
    QCOMPARE(panes.itemSpoils()->asText(QStringLiteral("nrdrops")), QStringLiteral("2-6"));
    QCOMPARE(panes.ingredientSpoils().objectName(), QStringLiteral("AlternativeSpoil1"));
    // No ingredient handler attached: the cascade still empties the ingredient panes.
    QCOMPARE(panes.ingredientDrops().filter(), QStringLiteral("item_id = 0"));
}

void ItemDetailPanesTest::itemKindChoosesTheWindow_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<std::optional<WindowKind>>("kind");
    QTest::newRow("Weapon") << "Weapon" << std::optional<WindowKind>(WindowKind::Weapons);
    QTest::newRow("Armor") << "Armor" << std::optional<WindowKind>(WindowKind::Armor);
    QTest::newRow("Accesories") << "Accesories" << std::optional<WindowKind>(WindowKind::Accessories);
    QTest::newRow("lower-case weapon is misc") << "weapon" << std::optional<WindowKind>(WindowKind::Items);
    QTest::newRow("Material") << "Material" << std::optional<WindowKind>(WindowKind::Items);
    QTest::newRow("correct spelling is misc") << "Accessories" << std::optional<WindowKind>(WindowKind::Items);
    QTest::newRow("empty") << "" << std::optional<WindowKind>();
}

void ItemDetailPanesTest::itemKindChoosesTheWindow()
{
    QFETCH(QString, type);
    QFETCH(std::optional<WindowKind>, kind);
    QVERIFY(itemWindowFor(type) == kind);
}

void ItemDetailPanesTest::monsterJumpRaisesTheRequestOrNothing()
{
    FakeHost host;
    m_panes->showItem(QString::number(fixture::kSwordOfValor));
    QVERIFY(openMonsterFrom(host, m_panes->itemDrops()));
    QVERIFY(openMonsterFrom(host, m_panes->itemDrops()));  // every double-click opens another
    QCOMPARE(host.opened.size(), 2);
    QCOMPARE(host.opened[0].kind, WindowKind::Monsters);
    QVERIFY(host.opened[0].monsterPending);
    QCOMPARE(host.opened[0].monsterId, QString::number(fixture::kAshenGhoul));
    QVERIFY(!host.opened[0].itemPending);

    FakeHost idle;
    QVERIFY(!openMonsterFrom(idle, m_panes->ingredientDrops()));  // empty pane
    QVERIFY(idle.opened.isEmpty());
    QVERIFY(!idle.MonsterLocatePending);
}

void ItemDetailPanesTest::itemJumpTakesTheIdOfItsOwnRow()
{
    auto drops = std::make_unique<Dataset>(*m_connection);
    drops->setSql(QStringLiteral("SELECT N.id, I.id, I.type, N.name FROM items AS I, itemnames AS N WHERE N.id = I.id ORDER BY I.id"));
    drops->open();
    FakeHost host;
    QVERIFY(drops->locate(QStringLiteral("I.id"), QString::number(fixture::kBrokenHilt), CaseInsensitive | PartialKey));
    QVERIFY(openItemFrom(host, *drops));
    QVERIFY(drops->locate(QStringLiteral("I.id"), QString::number(fixture::kSwordOfValor), CaseInsensitive | PartialKey));
    QVERIFY(openItemFrom(host, *drops));
    QCOMPARE(host.opened.size(), 2);
    QCOMPARE(host.opened[0].kind, WindowKind::Items);
    QCOMPARE(host.opened[0].itemId, QString::number(fixture::kBrokenHilt));
    QCOMPARE(host.opened[1].kind, WindowKind::Weapons);
    QCOMPARE(host.opened[1].itemId, QString::number(fixture::kSwordOfValor));
    QVERIFY(host.opened[1].itemPending);
}

void ItemDetailPanesTest::consumingClearsTheRequestFoundOrNot()
{
    auto weapons = std::make_unique<Dataset>(*m_connection);
    weapons->setSql(QStringLiteral("SELECT id, weapon_type FROM weapons ORDER BY id"));
    weapons->open();
    FakeHost host;
    QVERIFY(!consumeItemRequest(host, *weapons, QStringLiteral("id")));  // nothing raised
    QCOMPARE(weapons->recNo(), 0);

    host.ItemLocatePending = true;
    host.ItemLocateId = QString::number(fixture::kWindcallerBow);
    QVERIFY(consumeItemRequest(host, *weapons, QStringLiteral("id")));
    QCOMPARE(weapons->asText(QStringLiteral("id")), QString::number(fixture::kWindcallerBow));
    QVERIFY(!host.ItemLocatePending);
    QVERIFY(host.ItemLocateId.isEmpty());

    host.ItemLocatePending = true;
    host.ItemLocateId = QStringLiteral("99999");
    QVERIFY(!consumeItemRequest(host, *weapons, QStringLiteral("id")));
    QCOMPARE(weapons->asText(QStringLiteral("id")), QString::number(fixture::kWindcallerBow));
    QVERIFY(!host.ItemLocatePending);
    QVERIFY(host.ItemLocateId.isEmpty());

    host.MonsterLocatePending = true;
    host.MonsterLocateId = QStringLiteral("not a number");
    QVERIFY(!consumeMonsterRequest(host, *weapons, QStringLiteral("id")));
    QVERIFY(!host.MonsterLocatePending);
    QVERIFY(host.MonsterLocateId.isEmpty());
}

QTEST_MAIN(ItemDetailPanesTest)
#include "ItemDetailPanesTest.moc"

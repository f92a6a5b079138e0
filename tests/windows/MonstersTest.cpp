// The monsters window on the fixture database, driven through its own buttons, grids, menus and
// search box: level bands, the cascade to the panes, the alternative-source search, the jumps
// back to a monster and on to an item window, the monster request, and the spawn-point map.

#include "browse/DbGrid.h"
#include "browse/DbNavigator.h"
#include "browse/HeaderStrip.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "panes/LocateRequests.h"
#include "panes/MapGeometry.h"
#include "panes/MapView.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "windows/Monsters.h"
#include "windows/MonstersStatements.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace windowenv;

namespace {
bool isRed(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(255, 0, 0); }
} // namespace

class MonstersTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowOpensOnTheFirstMonsterWithItsPanes();
    void alternativePageListsEverySourceOnceShown();
    void bandButtonsReloadTheList_data();
    void bandButtonsReloadTheList();
    void theBandIsTheListsStatement();
    void emptyBandLeavesThePanesAsTheyWere();
    void quickFindSearchesTheInternalName_data();
    void quickFindSearchesTheInternalName();
    void selectionCascadesToDropsSpoilsAndSpawnPoints();
    void findCommandsFillOneAlternativeList_data();
    void findCommandsFillOneAlternativeList();
    void findCommandsOnAnEmptyListDoNothing();
    void alternativeRowJumpsBackToItsMonster();
    void itemJumpChoosesTheWindowByKind_data();
    void itemJumpChoosesTheWindowByKind();
    void monsterRequestIsConsumed_data();
    void monsterRequestIsConsumed();
    void otherWindowsMonsterJumpOpensThisWindow();
    void headerStripsSortTheirLists();
    void mapCrossesFollowTheSelection();

private:
    // Selects a monster of the current list with a click on its row.
    void selectMonster(int id);

    std::unique_ptr<FixtureDb> m_fixture;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<TMonstersForm> m_form;
};

void MonstersTest::initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }

void MonstersTest::init()
{
    // Monsters windows asked for are really created, as the main window would.
    m_host = std::make_unique<FakeHost>([this](WindowKind kind, NavigationHost& host) -> QWidget* {
        return kind == WindowKind::Monsters ? new TMonstersForm(host, m_fixture->db()) : nullptr;
    });
    m_form = openForm<TMonstersForm>(*m_host, *m_fixture, QSize(1000, 650));
}

void MonstersTest::cleanup()
{
    m_form.reset();
    m_host.reset();
}

void MonstersTest::selectMonster(int id)
{
    Dataset& monsters = query(*m_form, "MonsterQuery");
    const int row = rowOf(monsters, "M.id", id);
    QVERIFY2(row >= 0, "monster not in the list");
    clickRow(*part<DbGrid>(*m_form, "DBGrid1"), row);
    QCOMPARE(monsters.asInteger(QStringLiteral("M.id")), qint64(id));
}

void MonstersTest::windowOpensOnTheFirstMonsterWithItsPanes()
{
    using namespace fixture;
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Monsters"));
    auto* pages = part<QTabWidget>(*m_form, "PageControl1");
    QCOMPARE(pages->currentIndex(), 0);
    QStringList tabs;
    for (int i = 0; i < pages->count(); ++i)
        tabs << pages->tabText(i);
    QCOMPARE(tabs, (QStringList{"Monster Drop/Spoil", "Alternative Drops/Spoils", "Monster Location"}));

    // NPC rows and monsters without a display name are never listed; level first, then name.
    Dataset& monsters = query(*m_form, "MonsterQuery");
    QCOMPARE(integers(monsters, "M.id"), (QList<qint64>{kWispLarva, kFieldRat, kAshenGhoul, kBogCrawler, kRanger,
                                                         kFrostDrake, kAbyssSovereign, kEternalWarden}));
    QCOMPARE(part<DbGrid>(*m_form, "DBGrid1")->model()->rowCount(), kListedMonsterCount);
    QCOMPARE(query(*m_form, "QueryDrops").filter(), QStringLiteral("npc_id = '101'"));
    QCOMPARE(query(*m_form, "MobLoc").filter(), QStringLiteral("npc_id = '101'"));
    // Until the first search the alternative lists hold every source of the database.
    QCOMPARE(query(*m_form, "AlternativeDrops").filtered(), false);
    // Eight drops with max >= 1 whose monster has a display name, the NPC's included.
    QCOMPARE(query(*m_form, "AlternativeDrops").recordCount(), 8);
}

void MonstersTest::alternativePageListsEverySourceOnceShown()
{
    // Behind the first page the alternative lists fetch nothing; in front they list every source.
    auto* drops = part<DbGrid>(*m_form, "DBGrid5");
    auto* spoils = part<DbGrid>(*m_form, "DBGrid4");
    QCOMPARE(drops->model()->rowCount(), 0);
    QVERIFY(query(*m_form, "AlternativeDrops").rowsPending());
    part<QTabWidget>(*m_form, "PageControl1")->setCurrentIndex(1);
    QCOMPARE(drops->model()->rowCount(), 8);
    QVERIFY(spoils->model()->rowCount() > 0);
    QCOMPARE(spoils->model()->rowCount(), query(*m_form, "AlternativeSpoil").recordCount());
    QCOMPARE(query(*m_form, "AlternativeSpoil").fetchedRowCount(), spoils->model()->rowCount());
}

void MonstersTest::bandButtonsReloadTheList_data()
{
    using namespace fixture;
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QList<qint64>>("ids");
    QTest::newRow("All") << "Button2" << "All"
                         << QList<qint64>{kWispLarva, kFieldRat, kAshenGhoul, kBogCrawler, kRanger,
                                          kFrostDrake, kAbyssSovereign, kEternalWarden};
    QTest::newRow("0-10 starts at 1, ends with 10") << "Button4" << "0-10"
                                                   << QList<qint64>{kFieldRat, kAshenGhoul, kBogCrawler};
    QTest::newRow("10-20 shares 10 and 20") << "Button3" << "10-20"
                                           << QList<qint64>{kAshenGhoul, kBogCrawler, kRanger};
    QTest::newRow("20-30") << "Button5" << "20-30" << QList<qint64>{kRanger};
    QTest::newRow("30-40 empty") << "Button7" << "30-40" << QList<qint64>{};
    QTest::newRow("40-50 has only the NPC") << "Button6" << "40-50" << QList<qint64>{};
    QTest::newRow("50-60 ends with 60") << "Button8" << "50-60" << QList<qint64>{kFrostDrake};
    QTest::newRow("60 + ends at 1000") << "Button9" << "60 +" << QList<qint64>{kFrostDrake, kAbyssSovereign};
}

namespace {
const char* const kBandButtonNames[] = {"Button2", "Button4", "Button3", "Button5",
                                        "Button7", "Button6", "Button8", "Button9"};
}

void MonstersTest::bandButtonsReloadTheList()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QList<qint64>, ids);
    auto* edit = part<QLineEdit>(*m_form, "Edit1");
    edit->setText(QStringLiteral("eternal"));
    auto* b = part<QToolButton>(*m_form, button.toLatin1().constData());
    QCOMPARE(b->text(), caption);
    // The list opens on every monster: "All" shows pressed.
    QVERIFY(part<QToolButton>(*m_form, "Button2")->isChecked());
    QTest::mouseClick(b, Qt::LeftButton);
    // The pressed band is the one whose statement the list runs; a second click keeps it pressed.
    for (const char* other : kBandButtonNames)
        QCOMPARE(part<QToolButton>(*m_form, other)->isChecked(), button == QLatin1String(other));
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(b->isChecked());

    Dataset& monsters = query(*m_form, "MonsterQuery");
    QCOMPARE(integers(monsters, "M.id"), ids);
    QCOMPARE(part<DbGrid>(*m_form, "DBGrid1")->model()->rowCount(), ids.size());
    // The search text stays but is not applied again: the first row of the band is selected.
    QCOMPARE(edit->text(), QStringLiteral("eternal"));
    if (!ids.isEmpty()) {
        QCOMPARE(monsters.recNo(), 0);
        QCOMPARE(query(*m_form, "QuerySweep").filter(), QStringLiteral("npc_id = '%1'").arg(ids.first()));
        QCOMPARE(part<QLabel>(*m_form, "level")->text(), monsters.asText(QStringLiteral("level")));
    }
}

void MonstersTest::theBandIsTheListsStatement()
{
    // The opening statement lists every monster, as "All" does; each band knows its own
    // statement, blanks at its end or not; any other statement is no band.
    QCOMPARE(bandOfStatement(monsterListLines().join(QLatin1Char('\n'))), 0);
    for (int band = 0; band < monsterBands().size(); ++band) {
        QCOMPARE(bandOfStatement(monsterBands()[band].statement), band);
        QCOMPARE(bandOfStatement(monsterBands()[band].statement.trimmed()), band);
    }
    QCOMPARE(bandOfStatement(QStringLiteral("SELECT * FROM monsters")), -1);
    QCOMPARE(bandOfStatement(QString()), -1);
}

void MonstersTest::emptyBandLeavesThePanesAsTheyWere()
{
    using namespace fixture;
    selectMonster(kAshenGhoul);
    const int drops = query(*m_form, "QueryDrops").recordCount();
    QTest::mouseClick(part<QToolButton>(*m_form, "Button7"), Qt::LeftButton);
    QVERIFY(query(*m_form, "MonsterQuery").isEmpty());
    for (const char* pane : {"QueryDrops", "QuerySweep", "MobLoc"})
        QCOMPARE(query(*m_form, pane).filter(), QStringLiteral("npc_id = '103'"));
    QCOMPARE(query(*m_form, "QueryDrops").recordCount(), drops);
    QCOMPARE(part<DbGrid>(*m_form, "DBGrid2")->model()->rowCount(), drops);
}

void MonstersTest::quickFindSearchesTheInternalName_data()
{
    using namespace fixture;
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<int>("expected");
    QTest::newRow("prefix") << "bog" << false << kBogCrawler;
    QTest::newRow("case ignored") << "BOG_C" << false << kBogCrawler;
    // abyss_sovereign (level 1000) sorts before ashen_ghoul (level 10) by name.
    QTest::newRow("alphabetically first match") << "a" << false << kAbyssSovereign;
    // Typed letter by letter "Bog" would already match; pasted at once the blank never does.
    QTest::newRow("display name is not searched") << "Bog Crawler" << true << kWispLarva;
    QTest::newRow("middle of a name does not match") << "crawler" << false << kWispLarva;
}

void MonstersTest::quickFindSearchesTheInternalName()
{
    QFETCH(QString, text);
    QFETCH(bool, pasted);
    QFETCH(int, expected);
    auto* edit = part<QLineEdit>(*m_form, "Edit1");
    edit->setFocus();
    if (pasted)
        edit->insert(text);
    else
        QTest::keyClicks(edit, text);
    Dataset& monsters = query(*m_form, "MonsterQuery");
    QCOMPARE(monsters.asInteger(QStringLiteral("M.id")), qint64(expected));
    QCOMPARE(query(*m_form, "QueryDrops").filter(), QStringLiteral("npc_id = '%1'").arg(expected));

    // "clear" empties the box and goes back to the first monster.
    QTest::mouseClick(part<QWidget>(*m_form, "Button1"), Qt::LeftButton);
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(monsters.recNo(), 0);
}

void MonstersTest::selectionCascadesToDropsSpoilsAndSpawnPoints()
{
    using namespace fixture;
    selectMonster(kAshenGhoul);
    Dataset& drops = query(*m_form, "QueryDrops");
    Dataset& spoils = query(*m_form, "QuerySweep");
    Dataset& spawns = query(*m_form, "MobLoc");
    // Highest chance first; a single drop shows "1", a range min-max; the never-listed max 0 row
    // of another monster does not leak in.
    QCOMPARE(integers(drops, "I.id"), (QList<qint64>{kAnimalBone, kSwordOfValor, kBrokenHilt}));
    QCOMPARE(texts(drops, "nrdrops"), (QStringList{"1", "2-5", "1"}));
    QCOMPARE(texts(drops, "percentage"), (QStringList{"20", "12.5", "5"}));
    QVERIFY(spoils.isEmpty());
    QCOMPARE(spawns.recordCount(), 3);
    QCOMPARE(part<QLabel>(*m_form, "level")->text(), QStringLiteral("10"));

    // The navigator moves on to the next monster and the panes follow.
    auto* navigator = part<DbNavigator>(*m_form, "DBNavigator1");
    QTest::mouseClick(navigator->button(DbNavigator::Next), Qt::LeftButton);
    QTest::mouseClick(navigator->button(DbNavigator::Next), Qt::LeftButton);
    QCOMPARE(query(*m_form, "MonsterQuery").asInteger(QStringLiteral("M.id")), qint64(kRanger));
    QCOMPARE(drops.filter(), QStringLiteral("npc_id = '104'"));
    QCOMPARE(integers(drops, "I.id"), (QList<qint64>{kSwordOfValor}));
    QCOMPARE(integers(spoils, "N.id"), (QList<qint64>{kIronOre}));
    QCOMPARE(texts(spoils, "nrdrops"), (QStringList{"2-6"}));
    QCOMPARE(integers(spawns, "X"), (QList<qint64>{20000, 21000}));
    QCOMPARE(part<QLabel>(*m_form, "level")->text(), QStringLiteral("20"));
    QCOMPARE(part<QLabel>(*m_form, "attack_range")->text(), QStringLiteral("40"));
    // The values paint in red on the tool bar.
    const QImage value = part<QLabel>(*m_form, "attack_range")->grab().toImage();
    bool red = false;
    for (int y = 0; y < value.height() && !red; ++y)
        for (int x = 0; x < value.width() && !red; ++x)
            red = qRed(value.pixel(x, y)) > 200 && qGreen(value.pixel(x, y)) < 60 && qBlue(value.pixel(x, y)) < 60;
    QVERIFY2(red, "value drawn without red");
    QCOMPARE(part<DbGrid>(*m_form, "DBGrid3")->model()->rowCount(), 1);
}

void MonstersTest::findCommandsFillOneAlternativeList_data()
{
    using namespace fixture;
    QTest::addColumn<int>("monster");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("filled");
    QTest::addColumn<QString>("untouched");
    QTest::addColumn<QList<qint64>>("sources");
    QTest::newRow("drop -> other drops") << kAshenGhoul << "PopupMenu1" << 0 << kSwordOfValor << "AlternativeDrops"
                                         << "AlternativeSpoil" << QList<qint64>{kAshenGhoul, kRanger};
    QTest::newRow("drop -> spoils") << kAshenGhoul << "PopupMenu1" << 1 << kSwordOfValor << "AlternativeSpoil"
                                    << "AlternativeDrops" << QList<qint64>{kFieldRat};
    QTest::newRow("spoil -> other spoils") << kRanger << "PopupMenu2" << 0 << kIronOre << "AlternativeSpoil"
                                           << "AlternativeDrops" << QList<qint64>{kRanger};
    QTest::newRow("spoil -> drops") << kRanger << "PopupMenu2" << 1 << kIronOre << "AlternativeDrops"
                                    << "AlternativeSpoil" << QList<qint64>{kFieldRat};
}

void MonstersTest::findCommandsFillOneAlternativeList()
{
    QFETCH(int, monster);
    QFETCH(QString, menu);
    QFETCH(int, command);
    QFETCH(int, item);
    QFETCH(QString, filled);
    QFETCH(QString, untouched);
    QFETCH(QList<qint64>, sources);
    selectMonster(monster);
    const bool fromDrops = menu == QLatin1String("PopupMenu1");
    Dataset& source = query(*m_form, fromDrops ? "QueryDrops" : "QuerySweep");
    clickRow(*part<DbGrid>(*m_form, fromDrops ? "DBGrid2" : "DBGrid3"), rowOf(source, "N.id", item));
    Dataset& other = query(*m_form, untouched.toLatin1().constData());
    const int otherRows = other.recordCount();

    auto* popup = part<QMenu>(*m_form, menu.toLatin1().constData());
    const QStringList expectedCommands =
        fromDrops ? QStringList{"Find Alternative Drop", "Find Alternative Spoil", "View Item Detail"}
                  : QStringList{"Find Alternative Spoil", "Find Alternative Drop", "View Item Detail"};
    QStringList commands;
    for (QAction* a : popup->actions())
        commands << a->text();
    // The grid's copy entries follow the window's own, after a separator.
    QCOMPARE(commands.mid(0, 3), expectedCommands);
    QVERIFY(popup->actions().at(3)->isSeparator());
    popup->actions().at(command)->trigger();

    Dataset& target = query(*m_form, filled.toLatin1().constData());
    QCOMPARE(target.filter(), QStringLiteral("item_id = '%1'").arg(item));
    QCOMPARE(integers(target, "id"), sources);
    QCOMPARE(other.recordCount(), otherRows);
    QCOMPARE(other.filtered(), false);
    QCOMPARE(part<QTabWidget>(*m_form, "PageControl1")->currentIndex(), 1);
    QVERIFY(m_host->opened.isEmpty());
}

void MonstersTest::findCommandsOnAnEmptyListDoNothing()
{
    // The first monster has neither drops nor spoils.
    QVERIFY(query(*m_form, "QueryDrops").isEmpty());
    QVERIFY(query(*m_form, "QuerySweep").isEmpty());
    for (const char* menu : {"PopupMenu1", "PopupMenu2"})
        for (QAction* a : part<QMenu>(*m_form, menu)->actions())
            a->trigger();
    doubleClickRow(*part<DbGrid>(*m_form, "DBGrid2"), 0);
    QCOMPARE(part<QTabWidget>(*m_form, "PageControl1")->currentIndex(), 0);
    QCOMPARE(query(*m_form, "AlternativeDrops").filtered(), false);
    QCOMPARE(query(*m_form, "AlternativeSpoil").filtered(), false);
    QVERIFY(m_host->opened.isEmpty());
}

void MonstersTest::alternativeRowJumpsBackToItsMonster()
{
    using namespace fixture;
    selectMonster(kAshenGhoul);
    Dataset& drops = query(*m_form, "QueryDrops");
    clickRow(*part<DbGrid>(*m_form, "DBGrid2"), rowOf(drops, "N.id", kSwordOfValor));
    part<QMenu>(*m_form, "PopupMenu1")->actions().at(0)->trigger();

    // The list shows a band without the Ranger; the click reloads all levels first.
    QTest::mouseClick(part<QToolButton>(*m_form, "Button8"), Qt::LeftButton);
    Dataset& monsters = query(*m_form, "MonsterQuery");
    QCOMPARE(monsters.recordCount(), 1);
    auto* sourcesGrid = part<DbGrid>(*m_form, "DBGrid5");
    Dataset& sources = query(*m_form, "AlternativeDrops");
    clickRow(*sourcesGrid, rowOf(sources, "id", kRanger));
    QCOMPARE(monsters.recordCount(), kListedMonsterCount);
    QCOMPARE(monsters.asInteger(QStringLiteral("M.id")), qint64(kRanger));
    QCOMPARE(drops.filter(), QStringLiteral("npc_id = '104'"));
    auto* pages = part<QTabWidget>(*m_form, "PageControl1");
    QCOMPARE(pages->currentIndex(), 1);

    // A double-click also shows the chosen monster's own lists.
    doubleClickRow(*sourcesGrid, rowOf(sources, "id", kAshenGhoul));
    QCOMPARE(monsters.asInteger(QStringLiteral("M.id")), qint64(kAshenGhoul));
    QCOMPARE(pages->currentIndex(), 0);

    // A source that is an NPC is not in the list: the selection stays on the first monster.
    pages->setCurrentIndex(1);
    Dataset& spoilSources = query(*m_form, "AlternativeDrops");
    spoilSources.setFiltered(false);
    spoilSources.setFilter(QStringLiteral("item_id = '%1'").arg(kHealingPotion));
    spoilSources.setFiltered(true);
    QCOMPARE(integers(spoilSources, "id"), (QList<qint64>{kMerchant}));
    clickRow(*sourcesGrid, 0);
    QCOMPARE(monsters.recNo(), 0);
    QCOMPARE(monsters.asInteger(QStringLiteral("M.id")), qint64(kWispLarva));
}

void MonstersTest::itemJumpChoosesTheWindowByKind_data()
{
    using namespace fixture;
    QTest::addColumn<int>("monster");
    QTest::addColumn<bool>("spoil");
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("kind");
    QTest::newRow("Weapon") << kAshenGhoul << false << false << kSwordOfValor << int(WindowKind::Weapons);
    QTest::newRow("lower-case weapon is a misc item") << kAshenGhoul << false << true << kBrokenHilt
                                                      << int(WindowKind::Items);
    QTest::newRow("Material") << kAshenGhoul << false << false << kAnimalBone << int(WindowKind::Items);
    QTest::newRow("Accesories") << kEternalWarden << false << true << kNecklaceOfEmbers
                                << int(WindowKind::Accessories);
    QTest::newRow("spoil by double-click") << kRanger << true << false << kIronOre << int(WindowKind::Items);
    QTest::newRow("spoil by menu") << kRanger << true << true << kIronOre << int(WindowKind::Items);
}

void MonstersTest::itemJumpChoosesTheWindowByKind()
{
    QFETCH(int, monster);
    QFETCH(bool, spoil);
    QFETCH(bool, byMenu);
    QFETCH(int, item);
    QFETCH(int, kind);
    selectMonster(monster);
    Dataset& list = query(*m_form, spoil ? "QuerySweep" : "QueryDrops");
    auto* grid = part<DbGrid>(*m_form, spoil ? "DBGrid3" : "DBGrid2");
    const int row = rowOf(list, "I.id", item);
    QVERIFY(row >= 0);
    if (byMenu) {
        clickRow(*grid, row);
        part<QMenu>(*m_form, spoil ? "PopupMenu2" : "PopupMenu1")->actions().at(2)->trigger();
    } else {
        doubleClickRow(*grid, row);
    }
    QCOMPARE(m_host->kinds(), (QList<WindowKind>{WindowKind(kind)}));
    QCOMPARE(m_host->opened[0].itemId, QString::number(item));
    QVERIFY(m_host->opened[0].itemPending);
    QVERIFY(!m_host->MonsterLocatePending);
}

void MonstersTest::monsterRequestIsConsumed_data()
{
    using namespace fixture;
    QTest::addColumn<QString>("requested");
    QTest::addColumn<int>("selected");
    QTest::newRow("listed monster") << QString::number(kRanger) << kRanger;
    QTest::newRow("highest level") << QString::number(kEternalWarden) << kEternalWarden;
    QTest::newRow("NPC is not listed") << QString::number(kMerchant) << kWispLarva;
    QTest::newRow("no display name") << QString::number(kHollowShade) << kWispLarva;
}

void MonstersTest::monsterRequestIsConsumed()
{
    QFETCH(QString, requested);
    QFETCH(int, selected);
    m_host->MonsterLocatePending = true;
    m_host->MonsterLocateId = requested;
    TMonstersForm form(*m_host, m_fixture->db());
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(!m_host->MonsterLocatePending);
    QVERIFY(m_host->MonsterLocateId.isEmpty());
    QCOMPARE(query(form, "MonsterQuery").asInteger(QStringLiteral("M.id")), qint64(selected));
    for (const char* pane : {"QueryDrops", "QuerySweep", "MobLoc"})
        QCOMPARE(query(form, pane).filter(), QStringLiteral("npc_id = '%1'").arg(selected));
    // A window opened without a request stays on its first monster.
    TMonstersForm plain(*m_host, m_fixture->db());
    plain.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(query(plain, "MonsterQuery").recNo(), 0);
}

void MonstersTest::otherWindowsMonsterJumpOpensThisWindow()
{
    using namespace fixture;
    // An item window's drop-source pane raises the monster request from its row's "id".
    Dataset& sources = query(*m_form, "AlternativeDrops");
    sources.setFiltered(false);
    sources.setFilter(QStringLiteral("item_id = '%1'").arg(kSwordOfValor));
    sources.setFiltered(true);
    QVERIFY(sources.locate(QStringLiteral("id"), QString::number(kRanger), CaseInsensitive | PartialKey));
    QVERIFY(openMonsterFrom(*m_host, sources));
    QVERIFY(openMonsterFrom(*m_host, sources));
    QCOMPARE(m_host->windows.size(), size_t(2));
    for (const auto& opened : m_host->windows) {
        QCOMPARE(query(*opened, "MonsterQuery").asInteger(QStringLiteral("M.id")), qint64(kRanger));
        QCOMPARE(query(*opened, "QueryDrops").filter(), QStringLiteral("npc_id = '104'"));
    }
    QVERIFY(!m_host->MonsterLocatePending);
    QVERIFY(m_host->MonsterLocateId.isEmpty());
}

void MonstersTest::headerStripsSortTheirLists()
{
    using namespace fixture;
    selectMonster(kAshenGhoul);
    Dataset& drops = query(*m_form, "QueryDrops");
    auto* dropStrip = part<HeaderStrip>(*m_form, "HeaderControl1");
    QCOMPARE(dropStrip->count(), 5);
    QCOMPARE(dropStrip->sectionSize(0), 40);
    QCOMPARE(dropStrip->sectionSize(2), part<DbGrid>(*m_form, "DBGrid2")->columnWidth(2));
    // The grid under the strip keeps the declared widths, even the icon column under its tall font.
    auto* dropGrid = part<DbGrid>(*m_form, "DBGrid2");
    QCOMPARE(dropGrid->columnWidth(0), 40);
    QCOMPARE(dropGrid->columnWidth(4), 70);
    clickSection(*m_form, *dropStrip, 0);
    QVERIFY(drops.sort().isEmpty());
    clickSection(*m_form, *dropStrip, 1);
    QCOMPARE(texts(drops, "percentage"), (QStringList{"5", "12.5", "20"}));
    clickSection(*m_form, *dropStrip, 1);
    QCOMPARE(texts(drops, "percentage"), (QStringList{"20", "12.5", "5"}));
    // The sort stays on the list for the next monster.
    selectMonster(kRanger);
    QCOMPARE(drops.sort(), QStringLiteral("percentage DESC"));

    part<QTabWidget>(*m_form, "PageControl1")->setCurrentIndex(1);
    auto* sourceStrip = part<HeaderStrip>(*m_form, "HeaderControl3");
    QCOMPARE(sourceStrip->sectionSize(0), part<DbGrid>(*m_form, "DBGrid5")->columnWidth(0));
    clickSection(*m_form, *sourceStrip, 0);
    Dataset& sources = query(*m_form, "AlternativeDrops");
    QCOMPARE(sources.sort(), QStringLiteral("level ASC"));
    const QList<qint64> levels = integers(sources, "level");
    QVERIFY(std::is_sorted(levels.begin(), levels.end()));
}

void MonstersTest::mapCrossesFollowTheSelection()
{
    using namespace fixture;
    auto* pages = part<QTabWidget>(*m_form, "PageControl1");
    auto* map = part<MapView>(*m_form, "PaintBox1");
    pages->setCurrentIndex(2);
    QCoreApplication::processEvents();
    // Size the window so that the map page is 327 pixels wide.
    m_form->resize(m_form->width() - map->width() + 327, m_form->height());
    QTRY_COMPARE(map->width(), 327);
    const int h = map->height();
    const int middleY = int((100000 - MapGeometry::kTopY) * h / (MapGeometry::kBottomY - MapGeometry::kTopY));

    int paints = 0;
    struct Counter : QObject {
        int& count;
        explicit Counter(int& c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                ++count;
            return false;
        }
    } counter(paints);
    map->installEventFilter(&counter);

    selectMonster(kAshenGhoul);
    QTRY_VERIFY(paints > 0);
    QImage shot = map->grab().toImage();
    // x = 0 lands at 131072 * 327 / 327680 = 130; the top-left corner point at (0, 0).
    for (int d = -4; d <= 4; ++d) {
        QVERIFY2(isRed(shot, 130 + d, middleY), "middle cross, horizontal arm");
        QVERIFY2(isRed(shot, 130, middleY + d), "middle cross, vertical arm");
    }
    for (int d = 0; d <= 4; ++d) {
        QVERIFY2(isRed(shot, d, 0), "corner cross, horizontal arm");
        QVERIFY2(isRed(shot, 0, d), "corner cross, vertical arm");
    }

    // On another page the list moves without repainting the map; showing it brings the
    // crosses up to date.
    pages->setCurrentIndex(0);
    QCoreApplication::processEvents();
    paints = 0;
    selectMonster(kRanger);
    QCoreApplication::processEvents();
    QCOMPARE(paints, 0);
    pages->setCurrentIndex(2);
    QTRY_VERIFY(paints > 0);
    shot = map->grab().toImage();
    QVERIFY(!isRed(shot, 130, middleY));
    const MapPoint ranger = MapGeometry::crossCentre(20000, 40000, map->width(), map->height());
    QVERIFY(isRed(shot, int(ranger.x) + 4, int(ranger.y)));
    map->removeEventFilter(&counter);
}

QTEST_MAIN(MonstersTest)
#include "MonstersTest.moc"

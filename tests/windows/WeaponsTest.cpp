// The weapons window on the fixture, driven as the user drives it: typing, clicking headings,
// picking a type, double-clicking rows, arrow keys from the wheel.

#include "browse/DbGrid.h"
#include "browse/DbLabel.h"
#include "browse/DbLookupComboBox.h"
#include "browse/HeaderStrip.h"
#include "data/Dataset.h"
#include "tests/support/FakeHost.h"
#include "tests/support/PageLook.h"
#include "tests/support/WindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "windows/Weapons.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace windowenv;

class WeaponsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }
    void init() { m_host = FakeHost(); }
    void cleanup() { m_form.reset(); }
    void opensOnTheFirstWeaponInStatementOrder();
    void quickFindSelectsByNamePrefix_data();
    void quickFindSelectsByNamePrefix();
    void clearKeepsTheTypeFilter();
    void headingsSortWithoutMovingAnything();
    void pickingATypeNarrowsTheListAndThePanes();
    void doubleClicksSwitchPagesAndOpenMonsters();
    void wheelKeysWalkTheListAndTheCascadeFollows();
    void recipeValuesFollowTheSelectedIngredientsRate();
    void itemRequestOpensOnTheWeaponAndIsCleared_data();
    void itemRequestOpensOnTheWeaponAndIsCleared();
    void iconCellStaysWhiteInTheSelectedRow();
    void missingFallbackPictureLeavesWhiteCells();

private:
    void openWindow(const QString& exeFolder = QString());
    template <class T> T* part(const char* name) const { return windowenv::part<T>(*m_form, QLatin1String(name)); }
    Dataset& query(const char* name) const { return windowenv::query(*m_form, QLatin1String(name)); }
    /// The rows a grid shows, read with its page in front.
    int rowsShown(const char* grid) const
    {
        const PageLook look(*part<DbGrid>(grid));
        return part<DbGrid>(grid)->model()->rowCount();
    }
    QString selectedName() const;
    void pickType(const QString& type);

    std::unique_ptr<FixtureDb> m_fixture;
    FakeHost m_host;
    std::unique_ptr<TWeaponForm> m_form;
};

void WeaponsTest::openWindow(const QString& exeFolder)
{
    m_form = std::make_unique<TWeaponForm>(m_host, m_fixture->db(), nullptr,
                                           exeFolder.isEmpty() ? m_fixture->folder() : exeFolder);
    m_form->resize(1000, 600);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

QString WeaponsTest::selectedName() const
{
    auto* grid = part<DbGrid>("DBGrid1");
    return grid->model()->index(grid->currentIndex().row(), 1).data().toString();
}

void WeaponsTest::pickType(const QString& type)
{
    auto* box = part<DbLookupComboBox>("DBLookupComboBox1");
    box->showPopup();
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    const QModelIndex entry = list->model()->index(box->findText(type), 0);
    QVERIFY(entry.isValid());
    list->scrollTo(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
    QTRY_VERIFY(!list->isVisible());
}

void WeaponsTest::opensOnTheFirstWeaponInStatementOrder()
{
    openWindow();
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Weapons"));
    auto* pages = part<QTabWidget>("PageControl1");
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(pages->tabText(1), QStringLiteral("Drop Info"));
    auto* grid = part<DbGrid>("DBGrid1");
    const QAbstractItemModel* model = grid->model();
    // Shields and pet items are left out; one hand each, so physical damage orders the list.
    QCOMPARE(model->rowCount(), fixture::kListedWeaponCount);
    const QStringList order = {fixture::kRustyDirkName, fixture::kElderOakStaffName, fixture::kSwordOfValorName,
                               fixture::kDragonsFangName, fixture::kGhostEdgeName, fixture::kWindcallerBowName};
    for (int row = 0; row < order.size(); ++row)
        QCOMPARE(model->index(row, 1).data().toString(), order[row]);
    QCOMPARE(selectedName(), QString::fromLatin1(fixture::kRustyDirkName));

    auto* types = part<DbLookupComboBox>("DBLookupComboBox1");
    QCOMPARE(types->count(), 3);
    QCOMPARE(types->itemText(0), QString::fromLatin1(fixture::kTypeHuntersBow));
    QCOMPARE(types->findText(QString::fromLatin1(fixture::kTypeShields)), -1);
    QCOMPARE(types->text(), QString());

    // The strips were filled from their grids; the Rusty Dirk has no recipe: empty ingredient side.
    auto* strip = part<HeaderStrip>("HeaderControl1");
    QCOMPARE(strip->count(), 12);
    QCOMPARE(strip->sectionSize(0), part<DbGrid>("DBGrid1")->columnWidth(0));
    QCOMPARE(strip->sectionSize(1), part<DbGrid>("DBGrid1")->columnWidth(1));
    QCOMPARE(part<HeaderStrip>("HeaderControl2")->count(), 5);
    QCOMPARE(part<HeaderStrip>("HeaderControl3")->count(), 4);
    QCOMPARE(query("AlternativeDrops").filter(), QStringLiteral("item_id = '%1'").arg(fixture::kRustyDirk));
    QCOMPARE(rowsShown("DBGrid2"), 0);
    QCOMPARE(query("AlternativeDrop1").filter(), QStringLiteral("item_id = 0"));
    QCOMPARE(rowsShown("DBGrid3"), 0);
    QCOMPARE(rowsShown("DBGrid4"), 0);
    QCOMPARE(part<QPushButton>("Button1")->toolTip(), QStringLiteral("Clear field"));
    QCOMPARE(grid->toolTip(), QStringLiteral("Dbl-click to view drop info"));
}

void WeaponsTest::quickFindSelectsByNamePrefix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("selected");
    QTest::newRow("s: alphabetically first") << "s" << fixture::kSwordOfValorName;
    QTest::newRow("SW upper") << "SW" << fixture::kSwordOfValorName;
    QTest::newRow("sw lower") << "sw" << fixture::kSwordOfValorName;
    QTest::newRow("apostrophe") << "dragon's" << fixture::kDragonsFangName;
    QTest::newRow("mid-name: no move") << "Oak" << fixture::kRustyDirkName;
    QTest::newRow("partly matching: stays on the last match") << "gx" << fixture::kGhostEdgeName;
}

void WeaponsTest::quickFindSelectsByNamePrefix()
{
    QFETCH(QString, typed);
    QFETCH(QString, selected);
    openWindow();
    QTest::keyClicks(part<QLineEdit>("Edit1"), typed);
    QCOMPARE(selectedName(), selected);
    QCOMPARE(query("QueryWeapons").asText(QStringLiteral("name")), selected);
    // The drop-source pane follows the found weapon.
    QCOMPARE(query("AlternativeDrops").filter(),
             QStringLiteral("item_id = '%1'").arg(query("QueryWeapons").asText(QStringLiteral("id"))));
}

void WeaponsTest::clearKeepsTheTypeFilter()
{
    openWindow();
    pickType(QString::fromLatin1(fixture::kTypeSword));
    QTest::keyClicks(part<QLineEdit>("Edit1"), QStringLiteral("gh"));
    QCOMPARE(selectedName(), QString::fromLatin1(fixture::kGhostEdgeName));
    QTest::mouseClick(part<QPushButton>("Button1"), Qt::LeftButton);
    QCOMPARE(part<QLineEdit>("Edit1")->text(), QString());
    QCOMPARE(query("QueryWeapons").filter(), QStringLiteral("weapon_type = 'Sword'"));
    QCOMPARE(part<DbGrid>("DBGrid1")->model()->rowCount(), 4);
    QCOMPARE(selectedName(), QString::fromLatin1(fixture::kRustyDirkName));
    // A search for a hidden weapon does not land on it.
    QTest::keyClicks(part<QLineEdit>("Edit1"), QStringLiteral("wind"));
    QCOMPARE(selectedName(), QString::fromLatin1(fixture::kRustyDirkName));
}

void WeaponsTest::headingsSortWithoutMovingAnything()
{
    openWindow();
    QTest::keyClicks(part<QLineEdit>("Edit1"), QStringLiteral("sword"));
    auto* drops = part<DbGrid>("DBGrid5");
    QCOMPARE(rowsShown("DBGrid5"), 2);
    drops->setFocus();
    QTest::keyClick(drops, Qt::Key_Down);  // second drop source selected
    QCOMPARE(query("AlternativeDrops").recNo(), 1);

    auto* strip = part<HeaderStrip>("HeaderControl1");
    auto click = [](HeaderStrip* s, int section) {
        QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, QPoint(s->sectionViewportPosition(section) + 5, 8));
    };
    Dataset& weapons = query("QueryWeapons");
    auto* grid = part<DbGrid>("DBGrid1");
    click(strip, 0);
    QCOMPARE(weapons.sort(), QString());
    click(strip, 1);
    QCOMPARE(weapons.sort(), QStringLiteral("name ASC"));
    QCOMPARE(grid->model()->index(0, 1).data().toString(), QString::fromLatin1(fixture::kDragonsFangName));
    click(strip, 1);
    QCOMPARE(weapons.sort(), QStringLiteral("name DESC"));
    QCOMPARE(grid->model()->index(0, 1).data().toString(), QString::fromLatin1(fixture::kWindcallerBowName));
    click(strip, 11);
    QCOMPARE(weapons.sort(), QStringLiteral("price ASC"));
    click(strip, 1);
    QCOMPARE(weapons.sort(), QStringLiteral("name ASC"));
    // Same weapon selected, and no after-scroll: the drop pane kept its own row.
    QCOMPARE(selectedName(), QString::fromLatin1(fixture::kSwordOfValorName));
    QCOMPARE(query("AlternativeDrops").recNo(), 1);
    QCOMPARE(drops->currentIndex().row(), 1);

    // On the drop-source strip every heading sorts, "Lvl" included.
    click(part<HeaderStrip>("HeaderControl2"), 0);
    QCOMPARE(query("AlternativeDrops").sort(), QStringLiteral("level ASC"));
    QCOMPARE(query("AlternativeDrops").asText(QStringLiteral("id")), QString::number(fixture::kRanger));
}

void WeaponsTest::pickingATypeNarrowsTheListAndThePanes()
{
    openWindow();
    pickType(QString::fromLatin1(fixture::kTypeHuntersBow));
    QCOMPARE(query("QueryWeapons").filter(), QStringLiteral("weapon_type = 'Hunter''s Bow'"));
    QCOMPARE(part<DbGrid>("DBGrid1")->model()->rowCount(), 1);
    QCOMPARE(selectedName(), QString::fromLatin1(fixture::kWindcallerBowName));
    QCOMPARE(query("AlternativeDrops").filter(), QStringLiteral("item_id = '%1'").arg(fixture::kWindcallerBow));
    QCOMPARE(query("ReciepeQuery").filter(), QStringLiteral("item_id = '%1'").arg(fixture::kWindcallerBow));

    pickType(QString::fromLatin1(fixture::kTypeStaff));
    QCOMPARE(query("QueryWeapons").filter(), QStringLiteral("weapon_type = 'Staff'"));
    QCOMPARE(selectedName(), QString::fromLatin1(fixture::kElderOakStaffName));
    QCOMPARE(rowsShown("DBGrid2"), 4);
    QVERIFY(rowsShown("DBGrid3") > 0);
}

void WeaponsTest::doubleClicksSwitchPagesAndOpenMonsters()
{
    openWindow();
    QTest::keyClicks(part<QLineEdit>("Edit1"), QStringLiteral("sword"));
    auto* list = part<DbGrid>("DBGrid1");
    const QPoint row = list->visualRect(list->currentIndex()).center();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(part<QTabWidget>("PageControl1")->currentIndex(), 1);
    QCOMPARE(selectedName(), QString::fromLatin1(fixture::kSwordOfValorName));
    QVERIFY(m_host.opened.isEmpty());

    auto* drops = part<DbGrid>("DBGrid5");
    QTest::mouseDClick(drops->viewport(), Qt::LeftButton, {}, drops->visualRect(drops->model()->index(1, 1)).center());
    QTest::mouseDClick(drops->viewport(), Qt::LeftButton, {}, drops->visualRect(drops->model()->index(0, 1)).center());
    QCOMPARE(m_host.opened.size(), 2);
    QCOMPARE(m_host.opened[0].kind, WindowKind::Monsters);
    QVERIFY(m_host.opened[0].monsterPending);
    QCOMPARE(m_host.opened[0].monsterId, QString::number(fixture::kRanger));
    QCOMPARE(m_host.opened[1].monsterId, QString::number(fixture::kAshenGhoul));

    // The sword has no recipe: its ingredient panes are empty and double-clicks there do nothing.
    part<QTabWidget>("PageControl1")->setCurrentIndex(2);
    auto* ingredientDrops = part<DbGrid>("DBGrid3");
    QTest::mouseDClick(ingredientDrops->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
    QTest::mouseDClick(part<DbGrid>("DBGrid4")->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
    QCOMPARE(m_host.opened.size(), 2);
}

void WeaponsTest::wheelKeysWalkTheListAndTheCascadeFollows()
{
    openWindow();
    auto* list = part<DbGrid>("DBGrid1");
    list->setFocus();
    // The frame turns each wheel step into one Up or Down key for the focused control.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(selectedName(), QString::fromLatin1(fixture::kElderOakStaffName));
    QCOMPARE(query("ReciepeQuery").filter(), QStringLiteral("item_id = '%1'").arg(fixture::kElderOakStaff));
    QCOMPARE(rowsShown("DBGrid2"), 4);
    QCOMPARE(query("AlternativeDrop1").filter(), QStringLiteral("item_id = '%1'").arg(fixture::kAnimalBone));
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(selectedName(), QString::fromLatin1(fixture::kSwordOfValorName));
    QCOMPARE(rowsShown("DBGrid5"), 2);
    QCOMPARE(rowsShown("DBGrid2"), 0);
    QCOMPARE(query("AlternativeDrop1").filter(), QStringLiteral("item_id = 0"));
    QCOMPARE(query("AlternativeSpoil").filter(), QStringLiteral("item_id = 0"));
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);  // already on the first row
    QCOMPARE(selectedName(), QString::fromLatin1(fixture::kRustyDirkName));
}

void WeaponsTest::recipeValuesFollowTheSelectedIngredientsRate()
{
    openWindow();
    QTest::keyClicks(part<QLineEdit>("Edit1"), QStringLiteral("elder"));
    auto* pages = part<QTabWidget>("PageControl1");
    pages->setCurrentIndex(2);
    // The recipe values carry the names of their fields.
    auto value = [&](const char* field) { return part<DbLabel>(field)->text(); };
    QCOMPARE(value("level"), QStringLiteral("3"));
    QCOMPARE(value("npc_fee"), QStringLiteral("500"));
    QCOMPARE(value("mp"), QStringLiteral("120"));

    auto* ingredients = part<DbGrid>("DBGrid2");
    QTRY_VERIFY(ingredients->isVisible());
    QTest::mouseClick(ingredients->viewport(), Qt::LeftButton, {},
                      ingredients->visualRect(ingredients->model()->index(3, 2)).center());
    QCOMPARE(query("ReciepeQuery").asText(QStringLiteral("rate")), QStringLiteral("60"));
    QCOMPARE(value("level"), QStringLiteral("2"));
    QCOMPARE(value("npc_fee"), QStringLiteral("200"));
    QCOMPARE(value("mp"), QStringLiteral("90"));
    QCOMPARE(value("output"), QStringLiteral("1"));
    QCOMPARE(query("AlternativeDrop1").filter(),
             QStringLiteral("item_id = '%1'").arg(query("ReciepeQuery").asText(QStringLiteral("id"))));

    // A weapon without a recipe shows no recipe values at all.
    part<QLineEdit>("Edit1")->setText(QStringLiteral("rusty"));
    QCOMPARE(value("level"), QString());
    QCOMPARE(value("npc_fee"), QString());
}

void WeaponsTest::itemRequestOpensOnTheWeaponAndIsCleared_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("selected");
    QTest::newRow("listed weapon") << QString::number(fixture::kSwordOfValor) << fixture::kSwordOfValorName;
    QTest::newRow("pet weapon is not listed") << QString::number(fixture::kPetalBlade) << fixture::kRustyDirkName;
    QTest::newRow("shield is not listed") << QString::number(fixture::kTowerShield) << fixture::kRustyDirkName;
}

void WeaponsTest::itemRequestOpensOnTheWeaponAndIsCleared()
{
    QFETCH(QString, requested);
    QFETCH(QString, selected);
    m_host.ItemLocatePending = true;
    m_host.ItemLocateId = requested;
    openWindow();
    QCOMPARE(selectedName(), selected);
    QVERIFY(!m_host.ItemLocatePending);
    QVERIFY(m_host.ItemLocateId.isEmpty());
    QCOMPARE(part<QTabWidget>("PageControl1")->currentIndex(), 0);
    QCOMPARE(query("AlternativeDrops").filter(),
             QStringLiteral("item_id = '%1'").arg(query("QueryWeapons").asText(QStringLiteral("id"))));
}

void WeaponsTest::iconCellStaysWhiteInTheSelectedRow()
{
    openWindow();
    auto* list = part<DbGrid>("DBGrid1");
    const QImage shot = list->viewport()->grab().toImage();
    const QRect icon = list->visualRect(list->model()->index(0, 0));
    const QRect name = list->visualRect(list->model()->index(0, 1));
    QCOMPARE(QColor(shot.pixel(icon.topLeft() + QPoint(1, 1))), QColor(Qt::white));
    QCOMPARE(QColor(shot.pixel(name.topRight() + QPoint(-2, 2))), list->palette().color(QPalette::Active, QPalette::Highlight));
    // The first weapon has no icon value: the none.BMP picture sits in the middle of the cell.
    QVERIFY(QColor(shot.pixel(icon.center())) != QColor(Qt::white));
}

void WeaponsTest::missingFallbackPictureLeavesWhiteCells()
{
    QTemporaryDir empty;  // an executable folder without any pictures
    openWindow(empty.path() + QLatin1Char('/'));
    auto* list = part<DbGrid>("DBGrid1");
    const QImage shot = list->viewport()->grab().toImage();
    for (int row = 0; row < 3; ++row) {
        const QRect icon = list->visualRect(list->model()->index(row, 0));
        QCOMPARE(QColor(shot.pixel(icon.center())), QColor(Qt::white));
    }
}

QTEST_MAIN(WeaponsTest)
#include "WeaponsTest.moc"

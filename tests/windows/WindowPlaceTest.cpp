// Every browse window's place: the current row's key and name follow the list, a key shows its
// row again in an open window and in a new one opened through the host, an unknown key moves
// nothing, and the recipe list tells two recipes of one item apart by their rate.

#include "browse/DbLookupComboBox.h"
#include "panes/WindowPlace.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "windows/Accesories.h"
#include "windows/Armor.h"
#include "windows/Items.h"
#include "windows/Monsters.h"
#include "windows/Quest.h"
#include "windows/Recipes.h"
#include "windows/Sets.h"
#include "windows/Weapons.h"

#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>

using namespace windowenv;

Q_DECLARE_METATYPE(WindowKind)

namespace {
// The list each window declares its place over.
QString listName(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Weapons: return QStringLiteral("QueryWeapons");
    case WindowKind::Armor: return QStringLiteral("QueryArmor");
    case WindowKind::Accessories: return QStringLiteral("QueryAcs");
    case WindowKind::Items: return QStringLiteral("QueryItems");
    case WindowKind::Sets: return QStringLiteral("SetsName");
    case WindowKind::Monsters: return QStringLiteral("MonsterQuery");
    case WindowKind::Recipes: return QStringLiteral("RecipeQuery");
    case WindowKind::Quests: return QStringLiteral("Quest");
    default: return QString();
    }
}
} // namespace

class WindowPlaceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<FixtureDb>();
        m_host = std::make_unique<FakeHost>([this](WindowKind kind, NavigationHost& host) { return make(kind, host); });
    }
    void cleanup() { m_host->windows.clear(); }

    void followsTheListAndShowsAKeyAgain_data()
    {
        QTest::addColumn<WindowKind>("kind");
        for (WindowKind kind : {WindowKind::Weapons, WindowKind::Armor, WindowKind::Accessories, WindowKind::Items,
                                WindowKind::Sets, WindowKind::Monsters, WindowKind::Recipes, WindowKind::Quests})
            QTest::newRow(qPrintable(listName(kind))) << kind;
    }
    void followsTheListAndShowsAKeyAgain()
    {
        QFETCH(WindowKind, kind);
        QWidget* form = m_host->openWindow(kind);
        QVERIFY(form);
        WindowPlace* place = WindowPlace::of(form);
        QVERIFY(place);
        QCOMPARE(place->kind(), kind);
        Dataset& list = query(*form, listName(kind));
        QVERIFY2(list.recordCount() > 1, "the fixture lists more than one row in every window");

        list.first();
        const PlaceKey first = place->key();
        const QString firstName = place->name();
        QVERIFY(!first.isEmpty() && !first.first().isEmpty());
        QVERIFY(!firstName.isEmpty());

        QSignalSpy moved(place, &WindowPlace::moved);
        list.last();
        QCOMPARE(moved.count(), 1);
        const PlaceKey last = place->key();
        QVERIFY(last != first);

        // Back to the first row in the same window, then the last row in a new one.
        QVERIFY(place->show(first));
        QCOMPARE(list.recNo(), 0);
        QCOMPARE(place->name(), firstName);
        QVERIFY(openPlace(*m_host, kind, last));
        QWidget* second = m_host->windows.back().get();
        QVERIFY(second != form);
        QCOMPARE(WindowPlace::of(second)->key(), last);
        QCOMPARE(query(*second, listName(kind)).recNo(), query(*second, listName(kind)).recordCount() - 1);

        // A key no row has, or of the wrong shape, moves nothing.
        QVERIFY(!place->show(PlaceKey(first.size(), QStringLiteral("999999"))));
        QVERIFY(!place->show(PlaceKey{}));
        QCOMPARE(place->key(), first);
    }

    void aMonsterOutsideTheBandIsInTheAllBand()
    {
        QWidget* form = m_host->openWindow(WindowKind::Monsters);
        WindowPlace* place = WindowPlace::of(form);
        auto* all = part<QToolButton>(*form, QStringLiteral("Button2"));
        auto* lowest = part<QToolButton>(*form, QStringLiteral("Button4"));
        QTest::mouseClick(lowest, Qt::LeftButton);
        Dataset& list = query(*form, listName(WindowKind::Monsters));
        const PlaceKey drake{QString::number(fixture::kFrostDrake)};
        QCOMPARE(rowOf(list, QStringLiteral("M.id"), fixture::kFrostDrake), -1);
        QVERIFY(place->show(drake));
        QCOMPARE(place->key(), drake);
        QVERIFY(all->isChecked() && !lowest->isChecked());
        // A monster no band holds moves nothing further, in the "All" band.
        QVERIFY(!place->show({QStringLiteral("999999")}));
        QCOMPARE(place->key(), drake);

        // The alternative sources' jump to a monster tells the row it leaves; a step is no jump.
        QSignalSpy jumped(place, &WindowPlace::jumpedFrom);
        QVERIFY(place->show({QString::number(fixture::kAshenGhoul)}));
        list.next();
        QVERIFY(place->show({QString::number(fixture::kAshenGhoul)}));
        QCOMPARE(jumped.count(), 0);
        Dataset& drops = query(*form, QStringLiteral("QueryDrops"));
        drops.moveTo(rowOf(drops, QStringLiteral("N.id"), fixture::kSwordOfValor));
        part<QMenu>(*form, QStringLiteral("PopupMenu1"))->actions().at(0)->trigger();
        auto* sources = part<DbGrid>(*form, QStringLiteral("DBGrid5"));
        Dataset& others = query(*form, QStringLiteral("AlternativeDrops"));
        const int ranger = rowOf(others, QStringLiteral("id"), fixture::kRanger);
        QVERIFY(ranger >= 0);
        clickRow(*sources, ranger);
        QCOMPARE(place->key(), (PlaceKey{QString::number(fixture::kRanger)}));
        QCOMPARE(jumped.count(), 1);
        QCOMPARE(jumped.first().first().value<PlaceKey>(), (PlaceKey{QString::number(fixture::kAshenGhoul)}));
    }

    // A row the picked type hides is shown by showing every type again, as the window opened.
    void aTypePickGivesWayToTheRowAsked()
    {
        QWidget* form = m_host->openWindow(WindowKind::Weapons);
        WindowPlace* place = WindowPlace::of(form);
        Dataset& list = query(*form, QStringLiteral("QueryWeapons"));
        auto* types = part<DbLookupComboBox>(*form, QStringLiteral("DBLookupComboBox1"));
        const int rowCount = list.recordCount();
        types->pickRow(types->findText(QString::fromLatin1(fixture::kTypeSword)));
        QVERIFY(list.filtered() && list.recordCount() < rowCount);
        const PlaceKey staff{QString::number(fixture::kElderOakStaff)};
        const PlaceKey sword{QString::number(fixture::kSwordOfValor)};
        // A row the pick shows leaves the pick alone.
        QVERIFY(place->show(sword));
        QVERIFY(list.filtered());
        QCOMPARE(types->text(), QString::fromLatin1(fixture::kTypeSword));
        QVERIFY(place->show(staff));
        QCOMPARE(place->key(), staff);
        QVERIFY(!list.filtered());
        QCOMPARE(list.recordCount(), rowCount);
        QCOMPARE(types->currentIndex(), -1);
        QCOMPARE(types->lastPick(), QString());
        // With every type shown, a key no row has moves nothing.
        QVERIFY(!place->show({QStringLiteral("999999")}));
        QCOMPARE(place->key(), staff);
    }

    void recipeKeysHoldTheRate()
    {
        QWidget* form = m_host->openWindow(WindowKind::Recipes);
        WindowPlace* place = WindowPlace::of(form);
        Dataset& ingredients = query(*form, QStringLiteral("RecipeDetails"));
        const QString staff = QString::number(fixture::kElderOakStaff);
        QVERIFY(place->show({staff, QStringLiteral("60")}));
        QCOMPARE(place->key(), (PlaceKey{staff, QStringLiteral("60")}));
        QCOMPARE(integers(ingredients, QStringLiteral("material")),
                 (QList<qint64>{fixture::kOakResin, fixture::kCoarseThread}));
        QVERIFY(place->show({staff, QStringLiteral("100")}));
        QCOMPARE(integers(ingredients, QStringLiteral("material")), (QList<qint64>{fixture::kIronOre, fixture::kAnimalBone}));
        // Keys compare whole: rate 6 is not a prefix match of 60.
        QVERIFY(!place->show({staff, QStringLiteral("6")}));
    }

private:
    QWidget* make(WindowKind kind, NavigationHost& host)
    {
        TDBModule& db = m_fixture->db();
        const QString folder = m_fixture->folder();
        QWidget* form = nullptr;
        switch (kind) {
        case WindowKind::Weapons: form = new TWeaponForm(host, db, nullptr, folder); break;
        case WindowKind::Armor: form = new TArmorForm(host, db, nullptr, folder); break;
        case WindowKind::Accessories: form = new TAcsForm(host, db, nullptr, folder); break;
        case WindowKind::Items: form = new TItemsForm(host, db, nullptr, folder); break;
        case WindowKind::Sets: form = new TSetsForm(host, db, nullptr, folder); break;
        case WindowKind::Monsters: form = new TMonstersForm(host, db); break;
        case WindowKind::Recipes: form = new TRecipesForm(host, db, nullptr, folder); break;
        case WindowKind::Quests: form = new TQuestForm(host, db); break;
        default: return nullptr;
        }
        form->resize(1000, 700);
        form->show();
        return form;
    }

    std::unique_ptr<FixtureDb> m_fixture;
    std::unique_ptr<FakeHost> m_host;
};

QTEST_MAIN(WindowPlaceTest)
#include "WindowPlaceTest.moc"

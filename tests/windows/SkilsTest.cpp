// The skills window on the fixture: the selector cascade down the class tree, the level filter
// that survives a reload, and every edge of the cascade (a race without classes, a class that
// learns nothing, ticking with no level, a level pick unticking the box); on a hand-made tree,
// a class of the same name under another race that stays picked.

#include "browse/DbLookupComboBox.h"
#include "browse/HandlerGuard.h"
#include "browse/IconCellDelegate.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TinyDb.h"
#include "tests/support/WindowEnv.h"
#include "tests/windows/SkillTreeRows.h"
#include "tools/gendb/Fixture.h"
#include "windows/Skils.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QHeaderView>

#include <sqlite3.h>

using namespace windowenv;

namespace {

QStringList entries(DbLookupComboBox& box)
{
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.itemText(i);
    return out;
}

QStringList g_reports;
void recordReport(const std::exception& failure) { g_reports << QString::fromUtf8(failure.what()); }

// What the user does: drop the list down, walk to the entry with the arrow keys, press Enter.
void pick(DbLookupComboBox& box, const QString& text)
{
    const int index = box.findText(text);
    QVERIFY2(index >= 0, qPrintable(QStringLiteral("%1 does not list %2").arg(box.objectName(), text)));
    box.showPopup();
    QAbstractItemView* list = box.view();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(box.text(), text);
}

} // namespace

class SkilsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }

    void opensWithTheRacesOnly();
    void selectorsCascadeDownTheTree();
    void raceWithoutClassesKeepsTheGrid();
    void classThatLearnsNothing();
    void levelFilterSurvivesAReload();
    void tickingWithoutALevelShowsEverything();
    void pickingALevelUnticksTheBox();
    void aClassOfTheSameNameStaysPicked();
    void narrowWindowKeepsEverySelectorReachable();
    void aFailedReloadIsReported();

private:
    struct Window {
        std::unique_ptr<TSkilsForm> form;
        DbLookupComboBox* race;
        DbLookupComboBox* clas;
        DbLookupComboBox* firstProf;
        DbLookupComboBox* secondProf;
        DbLookupComboBox* level;
        QCheckBox* apply;
        DbGrid* grid;
        Dataset* skills;
    };
    Window open(TDBModule& db)
    {
        Window w;
        w.form = std::make_unique<TSkilsForm>(m_host, db, nullptr, m_fixture->folder());
        w.form->resize(900, 600);
        w.form->show();
        if (!QTest::qWaitForWindowExposed(w.form.get()))
            qWarning("skills window not exposed");
        w.race = part<DbLookupComboBox>(*w.form, QStringLiteral("Race"));
        w.clas = part<DbLookupComboBox>(*w.form, QStringLiteral("Clas"));
        w.firstProf = part<DbLookupComboBox>(*w.form, QStringLiteral("FirstProf"));
        w.secondProf = part<DbLookupComboBox>(*w.form, QStringLiteral("SecondProf"));
        w.level = part<DbLookupComboBox>(*w.form, QStringLiteral("LvlFilter"));
        w.apply = part<QCheckBox>(*w.form, QStringLiteral("CheckBox1"));
        w.grid = part<DbGrid>(*w.form, QStringLiteral("DBGrid1"));
        w.skills = &query(*w.form, QStringLiteral("ADOSkils"));
        return w;
    }
    // Human, then Human Fighter: four skill rows at levels 5, 10, 10, 15.
    Window openOnHumanFighter()
    {
        Window w = open(m_fixture->db());
        pick(*w.race, QStringLiteral("Human"));
        pick(*w.clas, QStringLiteral("Human Fighter"));
        return w;
    }
    FakeHost m_host;
    std::unique_ptr<FixtureDb> m_fixture;
};

void SkilsTest::opensWithTheRacesOnly()
{
    Window w = open(m_fixture->db());
    QCOMPARE(w.form->windowTitle(), QStringLiteral("Skils"));
    QCOMPARE(entries(*w.race), QStringList({"Human", "Sylvan"}));
    QVERIFY(w.race->text().isEmpty());
    for (DbLookupComboBox* empty : {w.clas, w.firstProf, w.secondProf, w.level})
        QCOMPARE(empty->count(), 0);
    for (const char* closed : {"ADOClas", "ADOFirstProf", "ADOSecondProf", "ADOSkils", "ADOLvl"})
        QVERIFY2(!query(*w.form, QLatin1String(closed)).isOpen(), closed);
    QVERIFY(!w.apply->isChecked());
    QCOMPARE(w.grid->model()->rowCount(), 0);

    auto* icons = qobject_cast<IconCellDelegate*>(w.grid->itemDelegate());
    QVERIFY(icons);
    QCOMPARE(icons->iconColumn(), 1);
    QStringList titles;
    QList<int> widths;
    for (int c = 0; c < w.grid->model()->columnCount(); ++c) {
        titles << w.grid->model()->headerData(c, Qt::Horizontal).toString();
        widths << w.grid->columnWidth(c);
    }
    QCOMPARE(titles, QStringList({"Lvl", "Icon", "Skil Name", "Active", "MP", "Range", "Time", "Delay", "SP Cost",
                                  "Description"}));
    QCOMPARE(widths, QList<int>({30, 40, 180, 43, 50, 50, 50, 50, 50, 700}));
    QVERIFY(w.grid->horizontalHeader()->isVisible());
}

void SkilsTest::selectorsCascadeDownTheTree()
{
    using namespace fixture;
    Window w = open(m_fixture->db());
    pick(*w.race, QStringLiteral("Human"));
    QCOMPARE(entries(*w.clas), QStringList({"Human Fighter", "Human Mystic", "Human Squire"}));
    QCOMPARE(w.grid->model()->rowCount(), 0);

    pick(*w.clas, QStringLiteral("Human Fighter"));
    QCOMPARE(entries(*w.firstProf), QStringList({"Warlord", "Knight"}));
    QCOMPARE(w.skills->recordCount(), kHumanFighterSkillRows);
    // Within learning level 10 the passive skill comes first.
    QCOMPARE(shown(*w.grid, 2), QStringList({"Power Strike 1", "Battle Cry 1", "Power Strike 2", "Power Strike 3"}));
    QCOMPARE(shown(*w.grid, 0), QStringList({"5", "10", "10", "15"}));
    QCOMPARE(entries(*w.level), QStringList({"5", "10", "15"}));
    QCOMPARE(w.secondProf->count(), 0);

    pick(*w.firstProf, QStringLiteral("Knight"));
    QCOMPARE(entries(*w.secondProf), QStringList({"Paladin"}));
    QCOMPARE(shown(*w.grid, 2), QStringList({"Shield Bash 1", "Battle Cry 2"}));
    QCOMPARE(w.skills->asInteger(QStringLiteral("class_id")), qint64(kKnight));

    pick(*w.secondProf, QStringLiteral("Paladin"));
    QCOMPARE(w.skills->asInteger(QStringLiteral("class_id")), qint64(kPaladin));
    QCOMPARE(shown(*w.grid, 2), QStringList({"Mending Light 1", "Aegis 1", "Holy Blade 1", "Holy Blade 2"}));
    // The levels are stored out of order; the selector lists them from the lowest.
    QCOMPARE(entries(*w.level), QStringList({"40", "44", "48", "52"}));
    QCOMPARE(w.grid->currentIndex().row(), 0);

    // A class pick further up closes the second profession again.
    pick(*w.clas, QStringLiteral("Human Fighter"));
    QCOMPARE(w.secondProf->count(), 0);
    QVERIFY(!query(*w.form, QStringLiteral("ADOSecondProf")).isOpen());
    QCOMPARE(w.skills->asInteger(QStringLiteral("class_id")), qint64(kHumanFighter));
}

void SkilsTest::raceWithoutClassesKeepsTheGrid()
{
    Window w = openOnHumanFighter();
    pick(*w.firstProf, QStringLiteral("Knight"));
    QCOMPARE(w.secondProf->count(), 1);
    const QStringList knightSkills = shown(*w.grid, 2);
    const QStringList knightLevels = entries(*w.level);

    pick(*w.race, QStringLiteral("Sylvan"));
    QCOMPARE(w.clas->count(), 0);
    QVERIFY(w.clas->text().isEmpty());
    QCOMPARE(w.firstProf->count(), 0);
    QCOMPARE(w.secondProf->count(), 0);
    QCOMPARE(shown(*w.grid, 2), knightSkills);
    QCOMPARE(entries(*w.level), knightLevels);

    // Back to Human: its list holds the class picked before, so it shows again; the professions
    // stay closed until the class is picked.
    pick(*w.race, QStringLiteral("Human"));
    QCOMPARE(w.clas->text(), QStringLiteral("Human Fighter"));
    QCOMPARE(w.firstProf->count(), 0);
    QCOMPARE(shown(*w.grid, 2), knightSkills);
}

void SkilsTest::classThatLearnsNothing()
{
    Window w = openOnHumanFighter();
    QCOMPARE(w.level->count(), 3);
    pick(*w.clas, QStringLiteral("Human Squire"));
    QVERIFY(w.skills->isOpen());
    QCOMPARE(w.grid->model()->rowCount(), 0);
    QCOMPARE(w.level->count(), 0);
    QCOMPARE(w.firstProf->count(), 0);
    // A profession that learns nothing empties the grid the same way.
    pick(*w.clas, QStringLiteral("Human Fighter"));
    pick(*w.firstProf, QStringLiteral("Warlord"));
    QCOMPARE(w.grid->model()->rowCount(), 0);
    QCOMPARE(entries(*w.secondProf), QStringList({"Warmaster"}));
}

void SkilsTest::levelFilterSurvivesAReload()
{
    Window w = openOnHumanFighter();
    pick(*w.level, QStringLiteral("10"));
    QVERIFY(!w.skills->filtered());
    QTest::mouseClick(w.apply, Qt::LeftButton);
    QVERIFY(w.apply->isChecked());
    QCOMPARE(w.skills->filter(), QStringLiteral("level = '10'"));
    QCOMPARE(shown(*w.grid, 2), QStringList({"Battle Cry 1", "Power Strike 2"}));
    QCOMPARE(w.grid->currentIndex().row(), 0);

    // Another class: its skills at the same level, none here; the box stays ticked and the
    // level selector shows nothing, since the new list has no 10.
    pick(*w.clas, QStringLiteral("Human Mystic"));
    QCOMPARE(w.grid->model()->rowCount(), 0);
    QVERIFY(w.apply->isChecked());
    QVERIFY(w.skills->filtered());
    QCOMPARE(entries(*w.level), QStringList({"5"}));
    QVERIFY(w.level->text().isEmpty());

    // Back to the fighter: still filtered, and the remembered level shows again.
    pick(*w.clas, QStringLiteral("Human Fighter"));
    QCOMPARE(shown(*w.grid, 2), QStringList({"Battle Cry 1", "Power Strike 2"}));
    QCOMPARE(w.level->text(), QStringLiteral("10"));

    QTest::mouseClick(w.apply, Qt::LeftButton);
    QVERIFY(!w.skills->filtered());
    QCOMPARE(w.grid->model()->rowCount(), fixture::kHumanFighterSkillRows);
}

void SkilsTest::tickingWithoutALevelShowsEverything()
{
    Window w = openOnHumanFighter();
    QVERIFY(w.level->text().isEmpty());
    QTest::mouseClick(w.apply, Qt::LeftButton);
    QVERIFY(w.apply->isChecked());
    QVERIFY(!w.skills->filtered());
    QCOMPARE(w.grid->model()->rowCount(), fixture::kHumanFighterSkillRows);
}

void SkilsTest::pickingALevelUnticksTheBox()
{
    Window w = openOnHumanFighter();
    pick(*w.level, QStringLiteral("15"));
    QTest::mouseClick(w.apply, Qt::LeftButton);
    QCOMPARE(shown(*w.grid, 2), QStringList({"Power Strike 3"}));

    pick(*w.level, QStringLiteral("5"));
    QVERIFY(!w.apply->isChecked());
    QVERIFY(!w.skills->filtered());
    QCOMPARE(w.grid->model()->rowCount(), fixture::kHumanFighterSkillRows);
    // Picking the level already shown unticks the box as well.
    QTest::mouseClick(w.apply, Qt::LeftButton);
    QCOMPARE(w.grid->model()->rowCount(), 1);
    pick(*w.level, QStringLiteral("5"));
    QVERIFY(!w.apply->isChecked());
    QCOMPARE(w.grid->model()->rowCount(), fixture::kHumanFighterSkillRows);
}

void SkilsTest::aClassOfTheSameNameStaysPicked()
{
    TinyDb tree(skilltree::databaseSql().c_str());
    TDBModule db;
    db.ADOConnection1.setConnectionString(Connection::composeConnectionString(tree.folder()));
    Window w = open(db);
    Dataset& classes = query(*w.form, QStringLiteral("ADOClas"));
    pick(*w.race, QStringLiteral("Human"));
    pick(*w.clas, QStringLiteral("Fighter"));
    QCOMPARE(w.skills->recordCount(), 4);

    // Elf has a Fighter too: the selector shows it again and its row is current; the grid
    // keeps the human fighter's skills until the class is picked.
    pick(*w.race, QStringLiteral("Elf"));
    QCOMPARE(entries(*w.clas), QStringList({"Ranger", "Fighter"}));
    QCOMPARE(w.clas->text(), QStringLiteral("Fighter"));
    QCOMPARE(classes.asInteger(QStringLiteral("id")), qint64(skilltree::kElfFighter));
    QCOMPARE(w.skills->recordCount(), 4);
    pick(*w.clas, QStringLiteral("Fighter"));
    QCOMPARE(shown(*w.grid, 2), QStringList({"Arrow Rain 1"}));

    // A class the other race lacks is not shown there.
    pick(*w.clas, QStringLiteral("Ranger"));
    pick(*w.race, QStringLiteral("Human"));
    QVERIFY(w.clas->text().isEmpty());
    QCOMPARE(w.clas->count(), 2);
}

void SkilsTest::narrowWindowKeepsEverySelectorReachable()
{
    Window w = open(m_fixture->db());
    auto placeOf = [&](QWidget* widget) { return QRect(widget->mapTo(w.form.get(), QPoint(0, 0)), widget->size()); };
    for (int width : {900, 520, 330}) {
        w.form->resize(width, 500);
        QApplication::processEvents();
        QList<QRect> places;
        for (QWidget* control : {static_cast<QWidget*>(w.race), static_cast<QWidget*>(w.clas),
                                 static_cast<QWidget*>(w.firstProf), static_cast<QWidget*>(w.secondProf),
                                 static_cast<QWidget*>(w.level), static_cast<QWidget*>(w.apply)}) {
            const QRect place = placeOf(control);
            QVERIFY2(w.form->rect().contains(place), qPrintable(QStringLiteral("%1 cut at width %2").arg(control->objectName()).arg(width)));
            for (const QRect& other : places)
                QVERIFY2(!other.intersects(place), qPrintable(control->objectName()));
            places << place;
        }
        QVERIFY(placeOf(w.grid).top() >= placeOf(w.apply).bottom());
    }
    // Wide enough, the selectors take the two rows of the design: race and class, then the professions.
    w.form->resize(900, 500);
    QApplication::processEvents();
    QCOMPARE(placeOf(w.race).top(), placeOf(w.clas).top());
    QCOMPARE(placeOf(w.firstProf).top(), placeOf(w.secondProf).top());
    QVERIFY(placeOf(w.firstProf).top() > placeOf(w.race).bottom());
}

void SkilsTest::aFailedReloadIsReported()
{
    TinyDb tree(skilltree::databaseSql().c_str());
    TDBModule db;
    db.ADOConnection1.setConnectionString(Connection::composeConnectionString(tree.folder()));
    Window w = open(db);
    pick(*w.race, QStringLiteral("Human"));
    // The file changes under the window: the skill statement can no longer run.
    QCOMPARE(sqlite3_exec(db.ADOConnection1.handle(), "DROP TABLE gainskills", nullptr, nullptr, nullptr), SQLITE_OK);
    g_reports.clear();
    const FailureReport previous = setFailureReport(recordReport);
    pick(*w.clas, QStringLiteral("Fighter"));
    setFailureReport(previous);
    QCOMPARE(g_reports.size(), 1);
    QVERIFY2(g_reports.first().contains(QStringLiteral("gainskills")), qPrintable(g_reports.first()));
    // The window goes on: the lists read before the failure are still there.
    QCOMPARE(entries(*w.clas), QStringList({"Fighter", "Mystic"}));
    QVERIFY(!w.skills->isOpen());
    pick(*w.race, QStringLiteral("Elf"));
    QCOMPARE(w.clas->count(), 2);
}

QTEST_MAIN(SkilsTest)
#include "SkilsTest.moc"

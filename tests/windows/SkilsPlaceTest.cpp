// The skills window's place: its key follows the node picked and the grid's row; a key shows
// again by picking the selectors down to its node, as the user would; a key without a node finds
// the first node, in the order the selectors offer them, that learns the skill at its lowest
// level; a row the level filter hides is shown; keys no node or row has move nothing; on a
// hand-made tree, classes of one name under two races and a node three selectors deep.

#include "browse/DbLookupComboBox.h"
#include "panes/WindowPlace.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TinyDb.h"
#include "tests/support/WindowEnv.h"
#include "tests/windows/SkillTreeRows.h"
#include "tools/gendb/Fixture.h"
#include "windows/Skils.h"
#include "windows/SkilsPlace.h"

#include <QCheckBox>
#include <QSignalSpy>

using namespace windowenv;

namespace {
QString n(int id) { return QString::number(id); }

struct Window {
    QWidget* form;
    WindowPlace* place;
    DbLookupComboBox* race;
    DbLookupComboBox* clas;
    DbLookupComboBox* firstProf;
    DbLookupComboBox* secondProf;
    QCheckBox* apply;
    DbGrid* grid;
    Dataset* skills;

    explicit Window(QWidget* f)
        : form(f), place(WindowPlace::of(f)), race(part<DbLookupComboBox>(*f, QStringLiteral("Race"))),
          clas(part<DbLookupComboBox>(*f, QStringLiteral("Clas"))),
          firstProf(part<DbLookupComboBox>(*f, QStringLiteral("FirstProf"))),
          secondProf(part<DbLookupComboBox>(*f, QStringLiteral("SecondProf"))),
          apply(part<QCheckBox>(*f, QStringLiteral("CheckBox1"))), grid(part<DbGrid>(*f, QStringLiteral("DBGrid1"))),
          skills(&query(*f, QStringLiteral("ADOSkils")))
    {
    }
    QStringList picked() const { return {race->text(), clas->text(), firstProf->text(), secondProf->text()}; }
    QString row() const { return skills->asText(QStringLiteral("Expr1")); }
};
} // namespace

class SkilsPlaceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<FixtureDb>();
        m_host = std::make_unique<FakeHost>([this](WindowKind kind, NavigationHost& host) -> QWidget* {
            if (kind != WindowKind::Skills)
                return nullptr;
            auto* form = new TSkilsForm(host, *m_db, nullptr, m_fixture->folder());
            form->resize(900, 600);
            form->show();
            return form;
        });
        m_db = &m_fixture->db();
    }
    void cleanup()
    {
        m_host->windows.clear();
        m_db = &m_fixture->db();
    }

    void keyFollowsThePickAndTheRow();
    void aKeyPicksTheSelectorsDownToItsNode();
    void aKeyWithoutANodeFindsTheFirstLearner();
    void aRowTheFilterHidesIsShown();
    void keysNoNodeOrRowHasMoveNothing();
    void classesOfOneNameAndDeepNodes();
    void nodesInTheOrderTheSelectorsOfferThem();

private:
    Window open() { return Window(m_host->openWindow(WindowKind::Skills)); }

    std::unique_ptr<FixtureDb> m_fixture;
    std::unique_ptr<FakeHost> m_host;
    TDBModule* m_db = nullptr;
};

void SkilsPlaceTest::keyFollowsThePickAndTheRow()
{
    using namespace fixture;
    Window w = open();
    QVERIFY(w.place);
    QCOMPARE(w.place->kind(), WindowKind::Skills);
    QVERIFY(w.place->key().isEmpty());
    QVERIFY(w.place->name().isEmpty());

    QSignalSpy moved(w.place, &WindowPlace::moved);
    w.race->pickRow(0);
    w.clas->pickRow(0);
    QVERIFY(moved.count() > 0);
    QCOMPARE(w.place->key(), (PlaceKey{n(kHumanFighter), "1", "1"}));
    QCOMPARE(w.place->name(), QStringLiteral("Power Strike 1"));
    moved.clear();
    w.skills->last();
    QCOMPARE(moved.count(), 1);
    QCOMPARE(w.place->key(), (PlaceKey{n(kHumanFighter), "1", "3"}));

    // A node that learns nothing has a key without a row.
    w.clas->pickRow(2);
    QCOMPARE(w.clas->text(), QStringLiteral("Human Squire"));
    QCOMPARE(w.place->key(), (PlaceKey{n(kHumanSquire), "", ""}));
}

void SkilsPlaceTest::aKeyPicksTheSelectorsDownToItsNode()
{
    using namespace fixture;
    Window w = open();
    QVERIFY(w.place->show({n(kPaladin), "5", "2"}));
    QCOMPARE(w.picked(), QStringList({"Human", "Human Fighter", "Knight", "Paladin"}));
    QCOMPARE(w.row(), QStringLiteral("Holy Blade 2"));
    QCOMPARE(w.place->key(), (PlaceKey{n(kPaladin), "5", "2"}));
    // The picks ran the window's handlers: the lists below each pick were read.
    QCOMPARE(w.secondProf->count(), 1);
    QCOMPARE(part<DbLookupComboBox>(*w.form, QStringLiteral("LvlFilter"))->count(), 4);

    // Up to a class: the professions below it are read again, the second closed.
    QVERIFY(w.place->show({n(kHumanMystic), "4", "1"}));
    QCOMPARE(w.picked(), QStringList({"Human", "Human Mystic", "", ""}));
    QCOMPARE(w.secondProf->count(), 0);
    QCOMPARE(w.row(), QStringLiteral("Mending Light 1"));

    // An empty level is the lowest the node learns; an empty skill shows the node alone.
    QVERIFY(w.place->show({n(kHumanFighter), "3", ""}));
    QCOMPARE(w.row(), QStringLiteral("Battle Cry 1"));
    // The second selector shows its last pick again, as after the user's own pick; the grid
    // shows the knight's skills.
    QVERIFY(w.place->show({n(kKnight), "", ""}));
    QCOMPARE(w.picked(), QStringList({"Human", "Human Fighter", "Knight", "Paladin"}));
    QCOMPARE(w.skills->asInteger(QStringLiteral("class_id")), qint64(kKnight));
    QCOMPARE(w.place->key(), (PlaceKey{n(kKnight), "2", "1"}));
    QCOMPARE(w.skills->recNo(), 0);

    // The same key again moves nothing.
    w.skills->last();
    const PlaceKey here = w.place->key();
    QSignalSpy moved(w.place, &WindowPlace::moved);
    QVERIFY(w.place->show(here));
    QCOMPARE(moved.count(), 0);
}

void SkilsPlaceTest::aKeyWithoutANodeFindsTheFirstLearner()
{
    using namespace fixture;
    // Mending Light 1 is learned by Human Mystic and by Paladin; the Paladin comes first in the
    // order the selectors offer (Human Fighter's line before Human Mystic).
    QVERIFY(openPlace(*m_host, WindowKind::Skills, {"", "4", ""}));
    Window w(m_host->windows.back().get());
    QCOMPARE(w.place->key(), (PlaceKey{n(kPaladin), "4", "1"}));
    QCOMPARE(w.picked(), QStringList({"Human", "Human Fighter", "Knight", "Paladin"}));
    QCOMPARE(w.grid->currentIndex().row(), w.skills->recNo());

    QVERIFY(w.place->show({"", "1", ""}));
    QCOMPARE(w.place->key(), (PlaceKey{n(kHumanFighter), "1", "1"}));
    // Battle Cry is learned at level 1 by the fighter and at level 2 by the knight.
    QVERIFY(w.place->show({"", "3", ""}));
    QCOMPARE(w.place->key(), (PlaceKey{n(kHumanFighter), "3", "1"}));
    QVERIFY(w.place->show({"", "3", "2"}));
    QCOMPARE(w.place->key(), (PlaceKey{n(kKnight), "3", "2"}));
    QVERIFY(w.place->show({"", "6", ""}));
    QCOMPARE(w.row(), QStringLiteral("Aegis 1"));
}

void SkilsPlaceTest::aRowTheFilterHidesIsShown()
{
    using namespace fixture;
    Window w = open();
    QVERIFY(w.place->show({n(kHumanFighter), "1", "3"}));
    auto* level = part<DbLookupComboBox>(*w.form, QStringLiteral("LvlFilter"));
    level->pickRow(2);
    QCOMPARE(level->text(), QStringLiteral("15"));
    QTest::mouseClick(w.apply, Qt::LeftButton);
    QCOMPARE(w.skills->recordCount(), 1);
    QVERIFY(w.place->show({n(kHumanFighter), "1", "1"}));
    QVERIFY(!w.apply->isChecked());
    QVERIFY(!w.skills->filtered());
    QCOMPARE(w.row(), QStringLiteral("Power Strike 1"));
}

void SkilsPlaceTest::keysNoNodeOrRowHasMoveNothing()
{
    using namespace fixture;
    Window w = open();
    QVERIFY(w.place->show({n(kKnight), "2", "1"}));
    const PlaceKey here = w.place->key();
    QVERIFY(!w.place->show({"", "99", ""}));
    QVERIFY(!w.place->show({"999", "1", ""}));
    QVERIFY2(!w.place->show({n(kHuman), "", ""}), "a race shows no skills");
    QVERIFY2(!w.place->show({n(kKnight), "1", ""}), "the knight does not learn Power Strike");
    QVERIFY(!w.place->show({"", "", ""}));
    QVERIFY(!w.place->show({n(kKnight), "2"}));
    QVERIFY(!w.place->show({}));
    QCOMPARE(w.place->key(), here);
    QVERIFY(!openPlace(*m_host, WindowKind::Skills, {"", "42", ""}));
}

void SkilsPlaceTest::classesOfOneNameAndDeepNodes()
{
    TinyDb tree(skilltree::databaseSql().c_str());
    TDBModule db;
    db.ADOConnection1.setConnectionString(Connection::composeConnectionString(tree.folder()));
    m_db = &db;
    Window w = open();
    // Elf's Fighter, the second entry of the elves' classes.
    QVERIFY(w.place->show({n(skilltree::kElfFighter), "3", "1"}));
    QCOMPARE(w.picked(), QStringList({"Elf", "Fighter", "", ""}));
    QCOMPARE(w.row(), QStringLiteral("Arrow Rain 1"));
    QVERIFY(w.place->show({n(skilltree::kHumanFighter), "3", "1"}));
    QCOMPARE(w.picked(), QStringList({"Human", "Fighter", "", ""}));
    QCOMPARE(w.place->key(), (PlaceKey{n(skilltree::kHumanFighter), "3", "1"}));
    // The elves come first among the races, so their Fighter is the first learner.
    QVERIFY(w.place->show({"", "3", ""}));
    QCOMPARE(w.place->key(), (PlaceKey{n(skilltree::kElfFighter), "3", "1"}));
    // Toughness: the human race learns it too, but no selector shows a race's skills.
    QVERIFY(w.place->show({"", "2", ""}));
    QCOMPARE(w.place->key(), (PlaceKey{n(skilltree::kHumanFighter), "2", "1"}));
    // Three selectors deep, through a parent named with an apostrophe.
    QVERIFY(w.place->show({"13", "2", "1"}));
    QCOMPARE(w.picked(), QStringList({"Human", "Mystic", "Sage's Path", ""}));
    QVERIFY(w.place->show({"14", "", ""}));
    QCOMPARE(w.picked(), QStringList({"Human", "Mystic", "Sage's Path", "Loremaster"}));
    QCOMPARE(w.place->key(), (PlaceKey{"14", "", ""}));
    m_host->windows.clear();
}

void SkilsPlaceTest::nodesInTheOrderTheSelectorsOfferThem()
{
    const QVector<ClassNode> races{{"20", "Elf", ""}, {"10", "Human", ""}};
    const QVector<ClassNode> nodes{
        {"10", "Human", ""},          {"11", "Fighter", "Human"}, {"12", "Mystic", "human"},
        {"13", "Knight", "Fighter"},  {"21", "Fighter", "Elf"},   {"14", "Paladin", "Knight"},
        {"15", "Holy One", "Paladin"}, {"22", "Ranger", "Elf"},
    };
    // Fighter's line comes under both races: names name the parent, as the selectors' lists do;
    // the fourth level is out of the selectors' reach.
    const QVector<QStringList> expected{
        {"20", "21"}, {"20", "21", "13"}, {"20", "21", "13", "14"}, {"20", "22"},
        {"10", "11"}, {"10", "11", "13"}, {"10", "11", "13", "14"}, {"10", "12"},
    };
    QCOMPARE(classPaths(races, nodes), expected);
}

QTEST_MAIN(SkilsPlaceTest)
#include "SkilsPlaceTest.moc"

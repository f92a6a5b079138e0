// The quests window on the fixture: the description, the detail text and the fact strip follow
// the current quest through the detail links, whether it moves by a click, the navigator or
// quick find; a quest without details or without facts; "clear".

#include "browse/DbLabel.h"
#include "browse/DbMemo.h"
#include "browse/DbNavigator.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "windows/Quest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>

using namespace windowenv;

namespace {
const QStringList kFactFields = {"level", "race", "class", "repeatable", "start_location", "exp", "adena"};
}

class QuestTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }

    void detailSetsFollowTheQuest();
    void memosAndGridKeepTheirPlaces();
    void narrowWindowKeepsEveryFact();
    void quickFindAndClear();

private:
    std::unique_ptr<TQuestForm> open()
    {
        auto form = std::make_unique<TQuestForm>(m_host, m_fixture->db());
        form->resize(900, 600);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("quests window not exposed");
        return form;
    }
    static QString memoText(QWidget& form, const char* name)
    {
        return part<DbMemo>(form, QLatin1String(name))->toPlainText();
    }
    static QStringList facts(QWidget& form)
    {
        QStringList out;
        for (const QString& field : kFactFields)
            out << part<DbLabel>(form, field)->text();
        return out;
    }
    FakeHost m_host;
    std::unique_ptr<FixtureDb> m_fixture;
};

void QuestTest::detailSetsFollowTheQuest()
{
    using namespace fixture;
    auto form = open();
    QCOMPARE(form->windowTitle(), QStringLiteral("Quests"));
    Dataset& quests = query(*form, QStringLiteral("Quest"));
    Dataset& details = query(*form, QStringLiteral("QuestDetails"));
    auto* grid = part<DbGrid>(*form, QStringLiteral("DBGrid1"));
    QCOMPARE(shown(*grid, 0), QStringList({kLostCaravanName, "Wolves at the Gate", "The Silent Bell"}));

    // Every part filled; of the quest's two detail rows the first is shown.
    QCOMPARE(memoText(*form, "DBMemo1"), QStringLiteral("A merchant caravan vanished on the north road."));
    QCOMPARE(memoText(*form, "DBMemo2"), QStringLiteral("Speak to Captain Hale, then search the road for the lost wagons."));
    QCOMPARE(details.recordCount(), 2);
    QCOMPARE(facts(*form), QStringList({"10-20", "All", "All", "No", "Village of Brenn", "5000", "1200"}));
    QCOMPARE(part<DbLabel>(*form, QStringLiteral("adena"))->palette().color(QPalette::WindowText), QColor(Qt::red));

    // A click on a quest without details: the detail memo empties.
    clickRow(*grid, 1, 0);
    QCOMPARE(quests.asInteger(QStringLiteral("id")), qint64(kWolvesAtTheGate));
    QCOMPARE(memoText(*form, "DBMemo1"), QStringLiteral("The village gate is under attack."));
    QVERIFY(memoText(*form, "DBMemo2").isEmpty());
    QCOMPARE(facts(*form), QStringList({"5-15", "Human", "Fighter", "Yes", "Eastgate", "2500", "600"}));

    // The navigator moves on to a quest without facts: the captions stay, the values empty.
    auto* navigator = part<DbNavigator>(*form, QStringLiteral("DBNavigator1"));
    QTest::mouseClick(navigator->button(DbNavigator::Next), Qt::LeftButton);
    QCOMPARE(quests.asInteger(QStringLiteral("id")), qint64(kSilentBell));
    QCOMPARE(memoText(*form, "DBMemo2"), QStringLiteral("Climb the tower and find what stops the bell."));
    QCOMPARE(facts(*form), QStringList(7, QString()));
    QStringList captions;
    for (QLabel* label : part<QWidget>(*form, QStringLiteral("ToolBar3"))->findChildren<QLabel*>())
        if (!qobject_cast<DbLabel*>(label))
            captions << label->text();
    QCOMPARE(captions, QStringList({"Lvl: ", "Race: ", "Class: ", "Repeatable: ", "Start location: ", "Reward EXP: ",
                                    "Reward Adena: "}));

    // The sets follow by their links, not by filters the window sets.
    QVERIFY(!details.filtered());
    QVERIFY(!query(*form, QStringLiteral("QuestInfo")).filtered());
    QTest::mouseClick(navigator->button(DbNavigator::First), Qt::LeftButton);
    QCOMPARE(facts(*form).first(), QStringLiteral("10-20"));
}

void QuestTest::memosAndGridKeepTheirPlaces()
{
    auto form = open();
    auto* grid = part<DbGrid>(*form, QStringLiteral("DBGrid1"));
    auto* description = part<DbMemo>(*form, QStringLiteral("DBMemo1"));
    auto* splitter = part<QSplitter>(*form, QStringLiteral("Splitter1"));
    QCOMPARE(splitter->handleWidth(), 3);
    QCOMPARE(grid->width(), 322);
    QCOMPARE(description->height(), 136);
    form->resize(1200, 800);
    QApplication::processEvents();
    QCOMPARE(grid->width(), 322);
    QCOMPARE(description->height(), 136);
    QVERIFY(part<DbMemo>(*form, QStringLiteral("DBMemo2"))->height() > 500);

    // The memos only show: typing changes nothing.
    const QString before = description->toPlainText();
    description->setFocus();
    QTest::keyClicks(description, QStringLiteral("xyz"));
    QCOMPARE(description->toPlainText(), before);
    QCOMPARE(description->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void QuestTest::narrowWindowKeepsEveryFact()
{
    auto form = open();
    for (int width : {900, 560, 400}) {
        form->resize(width, 600);
        QApplication::processEvents();
        for (const QString& field : kFactFields) {
            auto* value = part<DbLabel>(*form, field);
            const QRect place(value->mapTo(form.get(), QPoint(0, 0)), value->size());
            QVERIFY2(value->isVisible() && form->rect().contains(place), qPrintable(QStringLiteral("%1 cut at width %2").arg(field).arg(width)));
        }
        const QWidget* grid = part<DbGrid>(*form, QStringLiteral("DBGrid1"));
        QVERIFY(grid->mapTo(form.get(), QPoint(0, 0)).y() >=
                part<DbLabel>(*form, QStringLiteral("adena"))->mapTo(form.get(), QPoint(0, 0)).y() + 10);
    }
}

void QuestTest::quickFindAndClear()
{
    auto form = open();
    Dataset& quests = query(*form, QStringLiteral("Quest"));
    auto* search = part<QLineEdit>(*form, QStringLiteral("Edit1"));
    QTest::keyClicks(search, QStringLiteral("the s"));
    QCOMPARE(quests.asInteger(QStringLiteral("id")), qint64(fixture::kSilentBell));
    QCOMPARE(memoText(*form, "DBMemo1"), QStringLiteral("The chapel bell no longer rings."));
    QTest::keyClicks(search, QStringLiteral("x"));
    QCOMPARE(quests.asInteger(QStringLiteral("id")), qint64(fixture::kSilentBell));

    QTest::mouseClick(part<QPushButton>(*form, QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(search->text().isEmpty());
    QCOMPARE(quests.asInteger(QStringLiteral("id")), qint64(fixture::kLostCaravan));
    QCOMPARE(facts(*form).at(4), QStringLiteral("Village of Brenn"));
}

QTEST_MAIN(QuestTest)
#include "QuestTest.moc"

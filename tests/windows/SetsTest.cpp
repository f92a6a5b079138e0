// The armor sets window on the fixture database: the piece filter that follows the selected
// set (after-scroll and on entering the set grid), a set with a piece missing from armor, the
// set-type filter with an apostrophe, quick find and "clear".

#include "browse/DbLookupComboBox.h"
#include "tests/windows/ItemWindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "windows/Sets.h"

#include <QLineEdit>
#include <QPushButton>

using namespace itemenv;

class SetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }

    void piecesFollowTheSelectedSet();
    void enteringTheSetGridRefiltersThePieces();
    void setTypeWithAnApostrophe();
    void quickFindAndClear();

private:
    std::unique_ptr<TSetsForm> open()
    {
        auto form = std::make_unique<TSetsForm>(m_host, m_fixture->db(), nullptr, m_fixture->folder());
        form->resize(1000, 600);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("sets window not exposed");
        return form;
    }
    void pickType(QWidget& form, const QString& type)
    {
        auto* types = part<DbLookupComboBox>(form, QStringLiteral("DBLookupComboBox1"));
        types->setCurrentIndex(types->findText(type));
        emit types->activated(types->currentIndex());
    }
    RecordingHost m_host;
    std::unique_ptr<FixtureDb> m_fixture;
};

void SetsTest::piecesFollowTheSelectedSet()
{
    auto form = open();
    QCOMPARE(form->windowTitle(), QStringLiteral("Sets"));
    using namespace fixture;
    Dataset& pieces = query(*form, QStringLiteral("SetsDetails"));
    QCOMPARE(query(*form, QStringLiteral("SetsName")).asInteger(QStringLiteral("id")), qint64(kBlackwoodSet));
    QCOMPARE(pieces.filter(), QStringLiteral("set_id = '1'"));
    QList<qint64> first = integers(pieces, QStringLiteral("item_id"));
    std::sort(first.begin(), first.end());
    QCOMPARE(first, ids({kTowerShield, kBlackwoodBreastplate, kBlackwoodGaiters, kBlackwoodHelm}));

    // The user clicks the second set: the gloves have no armor row, so two pieces remain.
    clickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid3")), 1, 0);
    QCOMPARE(pieces.filter(), QStringLiteral("set_id = '2'"));
    QList<qint64> second = integers(pieces, QStringLiteral("item_id"));
    std::sort(second.begin(), second.end());
    QCOMPARE(second, ids({kMoonweaveRobe, kWanderersBoots}));
    auto* grid = part<DbGrid>(*form, QStringLiteral("DBGrid1"));
    QCOMPARE(grid->iconColumn(), 0);
    QVERIFY(shown(*grid, 1).contains(QLatin1String(kWanderersBootsName)));
    QVERIFY(shown(*grid, 2).contains(QStringLiteral("Light")));
}

void SetsTest::enteringTheSetGridRefiltersThePieces()
{
    auto form = open();
    Dataset& pieces = query(*form, QStringLiteral("SetsDetails"));
    auto* search = part<QLineEdit>(*form, QStringLiteral("Edit1"));
    search->setFocus();
    // Something else narrowed the pieces while the focus was away from the set grid.
    pieces.setFiltered(false);
    pieces.setFilter(QStringLiteral("set_id = '2'"));
    pieces.setFiltered(true);
    part<DbGrid>(*form, QStringLiteral("DBGrid3"))->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QCOMPARE(pieces.filter(), QStringLiteral("set_id = '1'"));
    QCOMPARE(pieces.recordCount(), 4);
}

void SetsTest::setTypeWithAnApostrophe()
{
    auto form = open();
    auto* types = part<DbLookupComboBox>(*form, QStringLiteral("DBLookupComboBox1"));
    QCOMPARE(types->count(), 2);
    QVERIFY(types->findText(QLatin1String(fixture::kSagesRobeType)) >= 0);

    pickType(*form, QLatin1String(fixture::kSagesRobeType));
    Dataset& sets = query(*form, QStringLiteral("SetsName"));
    QCOMPARE(sets.filter(), QStringLiteral("type = 'Sage''s Robe'"));
    QCOMPARE(integers(sets, QStringLiteral("id")), ids({fixture::kMoonweaveSet}));
    QCOMPARE(query(*form, QStringLiteral("SetsDetails")).filter(), QStringLiteral("set_id = '2'"));
}

void SetsTest::quickFindAndClear()
{
    auto form = open();
    Dataset& sets = query(*form, QStringLiteral("SetsName"));
    auto* search = part<QLineEdit>(*form, QStringLiteral("Edit1"));
    QTest::keyClicks(search, QStringLiteral("moon"));
    QCOMPARE(sets.asInteger(QStringLiteral("id")), qint64(fixture::kMoonweaveSet));
    QCOMPARE(query(*form, QStringLiteral("SetsDetails")).filter(), QStringLiteral("set_id = '2'"));
    QTest::keyClicks(search, QStringLiteral("x"));
    QCOMPARE(sets.asInteger(QStringLiteral("id")), qint64(fixture::kMoonweaveSet));

    QTest::mouseClick(part<QPushButton>(*form, QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(search->text().isEmpty());
    QCOMPARE(sets.asInteger(QStringLiteral("id")), qint64(fixture::kBlackwoodSet));
    QCOMPARE(query(*form, QStringLiteral("SetsDetails")).filter(), QStringLiteral("set_id = '1'"));
}

QTEST_MAIN(SetsTest)
#include "SetsTest.moc"

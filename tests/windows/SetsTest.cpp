// The armor sets window on the fixture database: the piece filter that follows the selected
// set (after-scroll and on entering the set grid), a set with a piece missing from armor, the
// set-type filter with an apostrophe, quick find and "clear".

#include "browse/DbLookupComboBox.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "windows/Sets.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

using namespace windowenv;

class SetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }

    void piecesFollowTheSelectedSet();
    void enteringTheSetGridRefiltersThePieces();
    void setTypeWithAnApostrophe();
    void quickFindAndClear();

private:
    void pickType(QWidget& form, const QString& type)
    {
        auto* types = part<DbLookupComboBox>(form, QStringLiteral("DBLookupComboBox1"));
        types->setCurrentIndex(types->findText(type));
        emit types->activated(types->currentIndex());
    }
    FakeHost m_host;
    std::unique_ptr<FixtureDb> m_fixture;
};

void SetsTest::piecesFollowTheSelectedSet()
{
    auto form = openForm<TSetsForm>(m_host, *m_fixture, QSize(1000, 600));
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
    // Its first column draws each piece's picture over white, not the icon's name.
    const QImage shot = grid->viewport()->grab().toImage();
    const QRect icon = grid->visualRect(grid->model()->index(0, 0));
    QCOMPARE(QColor(shot.pixel(icon.topLeft() + QPoint(1, 1))), QColor(Qt::white));
    QVERIFY(QColor(shot.pixel(icon.center())) != QColor(Qt::white));
    QVERIFY(shown(*grid, 1).contains(QLatin1String(kWanderersBootsName)));
    QVERIFY(shown(*grid, 2).contains(QStringLiteral("Light")));
}

void SetsTest::enteringTheSetGridRefiltersThePieces()
{
    auto form = openForm<TSetsForm>(m_host, *m_fixture, QSize(1000, 600));
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
    auto form = openForm<TSetsForm>(m_host, *m_fixture, QSize(1000, 600));
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
    auto form = openForm<TSetsForm>(m_host, *m_fixture, QSize(1000, 600));
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

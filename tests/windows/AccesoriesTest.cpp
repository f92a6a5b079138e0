// The accessories window on the fixture database: only necklaces, rings and earrings, ordered
// by magical defence, the body-part filter with "clear" keeping it, and the item request.

#include "browse/DbLookupComboBox.h"
#include "browse/HeaderStrip.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "windows/Accesories.h"

#include <QLineEdit>
#include <QPushButton>

using namespace windowenv;

class AccesoriesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }

    void listsTheJewelleryByMagicalDefence();
    void clearKeepsTheTypeAndSelectsTheFirstRow();
    void consumesTheItemRequest_data();
    void consumesTheItemRequest();

private:
    std::unique_ptr<FixtureDb> m_fixture;
};

void AccesoriesTest::listsTheJewelleryByMagicalDefence()
{
    FakeHost host;
    auto form = openForm<TAcsForm>(host, *m_fixture, QSize());
    QCOMPARE(form->windowTitle(), QStringLiteral("Accesories"));
    using namespace fixture;
    Dataset& acs = query(*form, QStringLiteral("QueryAcs"));
    QCOMPARE(integers(acs, QStringLiteral("id")), ids({kRingOfTides, kEaringOfWhispers, kNecklaceOfEmbers}));
    // The strip reads what the grid shows: no P-Def, MP or armor-type column.
    auto* strip = part<HeaderStrip>(*form, QStringLiteral("HeaderControl1"));
    QStringList headings;
    for (int i = 0; i < strip->count(); ++i)
        headings << strip->model()->headerData(i, Qt::Horizontal).toString();
    QCOMPARE(headings, (QStringList{"icon", "Name", "Class", "Cristals", "M-Def", "Weight", "Price"}));
    auto* types = part<DbLookupComboBox>(*form, QStringLiteral("DBLookupComboBox1"));
    QCOMPARE(types->count(), 3);
    QCOMPARE(types->itemText(0), QStringLiteral("Earings"));
}

void AccesoriesTest::clearKeepsTheTypeAndSelectsTheFirstRow()
{
    FakeHost host;
    auto form = openForm<TAcsForm>(host, *m_fixture, QSize());
    Dataset& acs = query(*form, QStringLiteral("QueryAcs"));
    auto* search = part<QLineEdit>(*form, QStringLiteral("Edit1"));
    QTest::keyClicks(search, QStringLiteral("neck"));
    QCOMPARE(acs.asInteger(QStringLiteral("id")), qint64(fixture::kNecklaceOfEmbers));
    QCOMPARE(query(*form, QStringLiteral("AlternativeDrops")).asInteger(QStringLiteral("id")),
             qint64(fixture::kEternalWarden));

    QTest::mouseClick(part<QPushButton>(*form, QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(search->text().isEmpty());
    QCOMPARE(acs.recNo(), 0);
    QCOMPARE(acs.asInteger(QStringLiteral("id")), qint64(fixture::kRingOfTides));

    auto* types = part<DbLookupComboBox>(*form, QStringLiteral("DBLookupComboBox1"));
    types->setCurrentIndex(types->findText(QStringLiteral("Necklaces")));
    emit types->activated(types->currentIndex());
    QCOMPARE(acs.filter(), QStringLiteral("body_part = 'Necklaces'"));
    QTest::mouseClick(part<QPushButton>(*form, QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(acs.filtered());
    QCOMPARE(integers(acs, QStringLiteral("id")), ids({fixture::kNecklaceOfEmbers}));
}

void AccesoriesTest::consumesTheItemRequest_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<qint64>("selected");
    using namespace fixture;
    QTest::newRow("an earing") << QString::number(kEaringOfWhispers) << qint64(kEaringOfWhispers);
    QTest::newRow("armor stays on the first row") << QString::number(kBlackwoodHelm) << qint64(kRingOfTides);
    QTest::newRow("not a number") << QStringLiteral("eighty") << qint64(kRingOfTides);
}

void AccesoriesTest::consumesTheItemRequest()
{
    QFETCH(QString, requested);
    QFETCH(qint64, selected);
    FakeHost host;
    host.ItemLocatePending = true;
    host.ItemLocateId = requested;
    auto form = openForm<TAcsForm>(host, *m_fixture, QSize());
    QCOMPARE(query(*form, QStringLiteral("QueryAcs")).asInteger(QStringLiteral("id")), selected);
    QCOMPARE(query(*form, QStringLiteral("ReciepeQuery")).filter(), QStringLiteral("item_id = '%1'").arg(selected));
    QVERIFY(!host.ItemLocatePending);
    QVERIFY(host.ItemLocateId.isEmpty());
}

QTEST_MAIN(AccesoriesTest)
#include "AccesoriesTest.moc"

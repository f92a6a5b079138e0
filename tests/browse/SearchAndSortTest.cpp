// Quick find, "clear", the type filter, header-strip sorting and the small data-aware controls,
// driven through real widgets over a small database.

#include "browse/DatasetModel.h"
#include "browse/DbGrid.h"
#include "browse/DbLabel.h"
#include "browse/DbLookupComboBox.h"
#include "browse/DbNavigator.h"
#include "browse/HeaderStrip.h"
#include "browse/NameSearch.h"
#include "data/Dataset.h"
#include "tests/support/TinyDb.h"

#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

class SearchAndSortTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void quotedValueDoublesQuotes_data();
    void quotedValueDoublesQuotes();
    void quickFindMovesToTheAlphabeticallyFirstPrefix_data();
    void quickFindMovesToTheAlphabeticallyFirstPrefix();
    void quickFindOnlyLandsOnRowsTheFilterShows();
    void typeFilterAndClearKeepEachOther();
    void sortTextCycles_data();
    void sortTextCycles();
    void stripFollowsTheGridAndSortsByClicks();
    void navigatorStepsThroughFilteredRows();
    void lookupListOffersTheColumnAndReportsPicks();
    void valueLabelFollowsTheCurrentRow();

private:
    std::unique_ptr<TinyDb> m_db;
    std::unique_ptr<Dataset> m_things;
    int m_scrolls = 0;
};

void SearchAndSortTest::init()
{
    m_db = std::make_unique<TinyDb>(kThingsSql);
    m_things = m_db->query(QString::fromLatin1(kThingsQuery));
    m_scrolls = 0;
    m_things->setAfterScroll([this] { ++m_scrolls; });
}

void SearchAndSortTest::quotedValueDoublesQuotes_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("plain") << "abc" << "'abc'";
    QTest::newRow("apostrophe") << "Hunter's Bow" << "'Hunter''s Bow'";
    QTest::newRow("only quotes") << "''" << "''''''";
    QTest::newRow("empty") << "" << "''";
    QTest::newRow("number") << "57" << "'57'";
}

void SearchAndSortTest::quotedValueDoublesQuotes()
{
    QFETCH(QString, value);
    QFETCH(QString, quoted);
    QCOMPARE(quotedValue(value), quoted);
    QCOMPARE(filterText(QStringLiteral("weapon_type = "), value), QStringLiteral("weapon_type = ") + quoted);
}

void SearchAndSortTest::quickFindMovesToTheAlphabeticallyFirstPrefix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("selected");
    // The list is ordered by price: a match higher up is not the one chosen.
    QTest::newRow("lower case") << "ax" << "axe handle";
    QTest::newRow("upper case, same row") << "AX" << "axe handle";
    QTest::newRow("narrowing") << "axe o" << "Axe of Dawn";
    QTest::newRow("apostrophe in the text") << "o'b" << "O'Brien's Hat";
    QTest::newRow("only mid-name: no move") << "xe" << "Cellar Key";
    QTest::newRow("no match: no move") << "q" << "Cellar Key";
    QTest::newRow("empty: no move") << "" << "Cellar Key";
}

void SearchAndSortTest::quickFindMovesToTheAlphabeticallyFirstPrefix()
{
    QFETCH(QString, typed);
    QFETCH(QString, selected);
    m_things->last();
    quickFind(*m_things, QStringLiteral("name"), typed);
    QCOMPARE(m_things->asText(QStringLiteral("name")), selected);
}

void SearchAndSortTest::quickFindOnlyLandsOnRowsTheFilterShows()
{
    QVERIFY(applyTypeFilter(*m_things, QStringLiteral("kind = "), QStringLiteral("Axe")));
    QVERIFY(quickFind(*m_things, QStringLiteral("name"), QStringLiteral("ax")));
    // "axe handle" sorts first but is hidden by the filter.
    QCOMPARE(m_things->asText(QStringLiteral("name")), QStringLiteral("Axe of Dawn"));
    QVERIFY(!quickFind(*m_things, QStringLiteral("name"), QStringLiteral("apple")));
    QCOMPARE(m_things->asText(QStringLiteral("name")), QStringLiteral("Axe of Dawn"));
}

void SearchAndSortTest::typeFilterAndClearKeepEachOther()
{
    QVERIFY(!applyTypeFilter(*m_things, QStringLiteral("kind = "), QString()));
    QCOMPARE(m_things->filtered(), false);

    m_scrolls = 0;
    QVERIFY(applyTypeFilter(*m_things, QStringLiteral("kind = "), QStringLiteral("Hunter's Gear")));
    QCOMPARE(m_things->filter(), QStringLiteral("kind = 'Hunter''s Gear'"));
    QCOMPARE(m_things->recordCount(), 1);
    QCOMPARE(m_things->asText(QStringLiteral("name")), QStringLiteral("O'Brien's Hat"));
    QCOMPARE(m_scrolls, 1);

    // Picking another type replaces the filter; filters never combine. The list lands on its
    // first row once, never passing through the unfiltered list.
    m_things->last();
    m_scrolls = 0;
    int largest = 0;
    QObject::connect(m_things.get(), &Dataset::rowsChanged, [&] { largest = std::max(largest, m_things->recordCount()); });
    applyTypeFilter(*m_things, QStringLiteral("kind = "), QStringLiteral("Axe"));
    QCOMPARE(m_things->recordCount(), 2);
    QCOMPARE(m_things->recNo(), 0);
    QCOMPARE(m_scrolls, 1);
    QCOMPARE(largest, 2);

    m_things->setSort(QStringLiteral("name DESC"));
    QLineEdit search;
    int searches = 0;
    QObject::connect(&search, &QLineEdit::textChanged, [&] { ++searches; quickFind(*m_things, "name", search.text()); });
    search.setText(QStringLiteral("axe"));
    QCOMPARE(m_things->asText(QStringLiteral("name")), QStringLiteral("Axe of Dawn"));
    m_things->last();
    clearSearch(search, *m_things);
    QVERIFY(search.text().isEmpty());
    QCOMPARE(searches, 2);
    QCOMPARE(m_things->filter(), QStringLiteral("kind = 'Axe'"));
    QCOMPARE(m_things->sort(), QStringLiteral("name DESC"));
    QCOMPARE(m_things->recNo(), 0);
    QCOMPARE(m_things->asText(QStringLiteral("name")), QStringLiteral("Broad Axe"));
}

void SearchAndSortTest::sortTextCycles_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("next");
    QTest::newRow("first click") << "" << "name" << "name ASC";
    QTest::newRow("second click") << "name ASC" << "name" << "name DESC";
    QTest::newRow("third click") << "name DESC" << "name" << "name ASC";
    QTest::newRow("another column after DESC") << "name DESC" << "price" << "price ASC";
    QTest::newRow("another column after ASC") << "name ASC" << "price" << "price ASC";
    QTest::newRow("comparison is case-sensitive") << "NAME ASC" << "name" << "name ASC";
    QTest::newRow("qualified name") << "npcnames.name ASC" << "npcnames.name" << "npcnames.name DESC";
}

void SearchAndSortTest::sortTextCycles()
{
    QFETCH(QString, current);
    QFETCH(QString, field);
    QFETCH(QString, next);
    QCOMPARE(HeaderStrip::nextSortText(current, field), next);
}

void SearchAndSortTest::stripFollowsTheGridAndSortsByClicks()
{
    DbGrid grid;
    grid.setColumns({gridColumn("icon", "", 40), gridColumn("name", "Name", 240), gridColumn("price", "Price")});
    grid.setDataset(*m_things);
    HeaderStrip strip;
    strip.setGrid(&grid, HeaderStrip::IgnoreIconSection);
    strip.fill();
    strip.resize(400, 17);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));

    QCOMPARE(strip.count(), 3);
    QCOMPARE(strip.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("icon"));
    QCOMPARE(strip.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
    // Each section is as wide as its column on the screen: the column's width holds its line.
    QCOMPARE(strip.sectionSize(0), 40);
    QCOMPARE(strip.sectionSize(1), 240);
    QCOMPARE(strip.sectionSize(2), 64);
    QCOMPARE(strip.height(), 17);
    QCOMPARE(strip.sectionResizeMode(1), QHeaderView::Fixed);
    QVERIFY(!strip.sectionsMovable());

    // The heading under the pointer is hot; the ignored icon heading never is.
    QTest::mouseMove(strip.viewport(), QPoint(strip.sectionViewportPosition(1) + 5, 8));
    QTRY_COMPARE(strip.hotSection(), 1);
    QTest::mouseMove(strip.viewport(), QPoint(strip.sectionViewportPosition(0) + 5, 8));
    QTRY_COMPARE(strip.hotSection(), -1);
    QTest::mouseMove(strip.viewport(), QPoint(strip.sectionViewportPosition(2) + 5, 8));
    QTRY_COMPARE(strip.hotSection(), 2);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(strip.viewport(), &leave);
    QCOMPARE(strip.hotSection(), -1);

    // The strip sorts its grid's dataset by itself.
    m_things->moveTo(3);  // Broad Axe
    m_scrolls = 0;
    auto click = [&](int section) {
        QTest::mouseClick(strip.viewport(), Qt::LeftButton, {}, QPoint(strip.sectionViewportPosition(section) + 5, 8));
    };
    click(0);
    QCOMPARE(m_things->sort(), QString());  // the icon heading sorts nothing
    click(1);
    QCOMPARE(m_things->sort(), QStringLiteral("name ASC"));
    QCOMPARE(m_things->asText(QStringLiteral("name")), QStringLiteral("Broad Axe"));
    QCOMPARE(grid.currentIndex().row(), m_things->recNo());
    QCOMPARE(grid.model()->index(0, 1).data().toString(), QStringLiteral("apple pie"));
    click(1);
    QCOMPARE(m_things->sort(), QStringLiteral("name DESC"));
    QCOMPARE(grid.model()->index(0, 1).data().toString(), QStringLiteral("Zircon Wand"));
    click(2);
    QCOMPARE(m_things->sort(), QStringLiteral("price ASC"));
    click(1);
    QCOMPARE(m_things->sort(), QStringLiteral("name ASC"));
    QCOMPARE(m_scrolls, 0);
    QCOMPARE(m_things->asText(QStringLiteral("name")), QStringLiteral("Broad Axe"));

    // Over a grid without an icon column, section 0 sorts like any other.
    HeaderStrip plain;
    plain.setGrid(&grid);
    plain.fill();
    plain.resize(400, 17);
    plain.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plain));
    QTest::mouseClick(plain.viewport(), Qt::LeftButton, {}, QPoint(5, 8));
    QCOMPARE(m_things->sort(), QStringLiteral("icon ASC"));

    // A strip whose grid is gone, or shows no dataset, ignores clicks.
    auto* shortLived = new DbGrid;
    shortLived->setColumns({gridColumn("name", "Name", 240)});
    HeaderStrip orphan;
    orphan.setGrid(shortLived);
    orphan.fill();
    orphan.resize(300, 17);
    orphan.show();
    QVERIFY(QTest::qWaitForWindowExposed(&orphan));
    QTest::mouseClick(orphan.viewport(), Qt::LeftButton, {}, QPoint(5, 8));
    delete shortLived;
    QVERIFY(!orphan.grid());
    QTest::mouseClick(orphan.viewport(), Qt::LeftButton, {}, QPoint(5, 8));
    QCOMPARE(m_things->sort(), QStringLiteral("icon ASC"));
}

void SearchAndSortTest::navigatorStepsThroughFilteredRows()
{
    DbNavigator navigator;
    navigator.setDataset(*m_things);
    QCOMPARE(navigator.width(), 108);
    applyTypeFilter(*m_things, QStringLiteral("kind = "), QStringLiteral("Axe"));
    QVERIFY(!navigator.button(DbNavigator::Prior)->isEnabled());
    QTest::mouseClick(navigator.button(DbNavigator::Next), Qt::LeftButton);
    QCOMPARE(m_things->asText(QStringLiteral("name")), QStringLiteral("Broad Axe"));
    QVERIFY(!navigator.button(DbNavigator::Next)->isEnabled());
    QTest::mouseClick(navigator.button(DbNavigator::First), Qt::LeftButton);
    QCOMPARE(m_things->asText(QStringLiteral("name")), QStringLiteral("Axe of Dawn"));
    QTest::mouseClick(navigator.button(DbNavigator::Last), Qt::LeftButton);
    QCOMPARE(m_things->recNo(), 1);
    applyTypeFilter(*m_things, QStringLiteral("kind = "), QStringLiteral("Nothing"));
    for (auto b : {DbNavigator::First, DbNavigator::Prior, DbNavigator::Next, DbNavigator::Last})
        QVERIFY(!navigator.button(b)->isEnabled());
}

void SearchAndSortTest::lookupListOffersTheColumnAndReportsPicks()
{
    auto kinds = m_db->query(QStringLiteral("SELECT DISTINCT kind FROM things ORDER BY kind"));
    DbLookupComboBox box;
    box.setListSource(*kinds, QStringLiteral("kind"));
    QCOMPARE(box.count(), 6);
    QCOMPARE(box.itemText(0), QStringLiteral("Axe"));
    QCOMPARE(box.itemText(2), QStringLiteral("Hunter's Gear"));
    QCOMPARE(box.text(), QString());  // no entry shown at first
    QCOMPARE(box.maxVisibleItems(), 10);

    QSignalSpy picked(&box, &DbLookupComboBox::picked);
    box.show();
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Down);  // keyboard selection activates the entry
    QVERIFY(picked.count() >= 1);
    QCOMPARE(picked.last().at(0).toString(), box.text());
    QVERIFY(!box.text().isEmpty());
}

void SearchAndSortTest::valueLabelFollowsTheCurrentRow()
{
    DbLabel label;
    label.bind(*m_things, QStringLiteral("price"));
    QCOMPARE(label.text(), QStringLiteral("1.5"));
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(label.font().bold());
    const int narrow = label.width();
    m_things->moveTo(2);
    QCOMPARE(label.text(), QStringLiteral("3.25"));
    QVERIFY(label.width() > narrow);
    applyTypeFilter(*m_things, QStringLiteral("kind = "), QStringLiteral("Nothing"));
    QCOMPARE(label.text(), QString());
}

QTEST_MAIN(SearchAndSortTest)
#include "SearchAndSortTest.moc"

// Values far longer than any screen line (a damaged or hostile description of megabytes): the
// grid, the label and the drop-down list show a screen's worth, the tooltip more, and nothing
// of the value is lost to what reads it.

#include "browse/DatasetModel.h"
#include "browse/DbGrid.h"
#include "browse/DbLabel.h"
#include "browse/DbLookupComboBox.h"
#include "browse/ShownText.h"
#include "data/Dataset.h"
#include "tests/support/TinyDb.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Six megabytes of words, then a short name.
const char* const kLongSql = R"(
CREATE TABLE notes (id INTEGER, name TEXT);
INSERT INTO notes VALUES (1, replace(hex(zeroblob(1200000)), '00', 'word '));
INSERT INTO notes VALUES (2, 'Short note');
)";

const QChar kEllipsis(0x2026);

} // namespace

class LongTextTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void shownTextCutsAtTheLimitOnly_data();
    void shownTextCutsAtTheLimitOnly();
    void gridCellShowsTheStartAndTheTooltipMore();
    void labelShowsTheStartAndTheTooltipMore();
    void listEntryIsCutButPicksTheWholeValue();

private:
    std::unique_ptr<TinyDb> m_db;
    std::unique_ptr<Dataset> m_notes;
    QString m_long;
};

void LongTextTest::init()
{
    m_db = std::make_unique<TinyDb>(kLongSql);
    m_notes = m_db->query(QStringLiteral("SELECT id, name FROM notes ORDER BY id"));
    m_long = m_notes->asText(QStringLiteral("name"));
    QCOMPARE(m_long.size(), 6000000);
}

void LongTextTest::cleanup()
{
    m_notes.reset();
    m_db.reset();
}

void LongTextTest::shownTextCutsAtTheLimitOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("shown");
    QTest::newRow("short") << "abc" << 5 << "abc";
    QTest::newRow("exactly the limit") << "abcde" << 5 << "abcde";
    QTest::newRow("one over") << "abcdef" << 5 << QStringLiteral("abcd") + kEllipsis;
    // U+1F5E1 (a dagger) is two UTF-16 units: it goes whole or not at all.
    QTest::newRow("surrogate pair kept whole") << QStringLiteral("abc\U0001F5E1xyz") << 5 << QStringLiteral("abc") + kEllipsis;
    QTest::newRow("surrogate pair before the cut") << QStringLiteral("ab\U0001F5E1xyz") << 5 << QStringLiteral("ab\U0001F5E1") + kEllipsis;
    QTest::newRow("empty") << "" << 5 << "";
}

void LongTextTest::shownTextCutsAtTheLimitOnly()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(QString, shown);
    QCOMPARE(shownText(text, limit), shown);
}

void LongTextTest::gridCellShowsTheStartAndTheTooltipMore()
{
    DbGrid grid;
    grid.setColumns({gridColumn("id", "Id", 40), gridColumn("name", "Name", 300)});
    grid.setDataset(*m_notes);
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.grab();  // a whole paint of both rows

    const QModelIndex cut = grid.model()->index(0, 1);
    const QString shown = cut.data().toString();
    QCOMPARE(shown.size(), kShownTextLimit);
    QCOMPARE(shown, m_long.left(kShownTextLimit - 1) + kEllipsis);
    const QString tip = cut.data(Qt::ToolTipRole).toString();
    QVERIFY(tip.contains(m_long.left(kToolTipTextLimit - 1) + kEllipsis));
    QVERIFY(tip.size() < kToolTipTextLimit + 100);
    QVERIFY(Qt::mightBeRichText(tip));

    const QModelIndex whole = grid.model()->index(1, 1);
    QCOMPARE(whole.data().toString(), QStringLiteral("Short note"));
    QVERIFY(!whole.data(Qt::ToolTipRole).isValid());
    // What the grid shows is cut; what the dataset holds is not.
    QCOMPARE(m_notes->asText(QStringLiteral("name")).size(), m_long.size());
}

void LongTextTest::labelShowsTheStartAndTheTooltipMore()
{
    DbLabel label;
    label.bind(*m_notes, QStringLiteral("name"));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QCOMPARE(label.text(), m_long.left(kShownTextLimit - 1) + kEllipsis);
    QVERIFY(label.toolTip().contains(m_long.left(kToolTipTextLimit - 1)));
    m_notes->next();
    QCOMPARE(label.text(), QStringLiteral("Short note"));
    QVERIFY(label.toolTip().isEmpty());
}

void LongTextTest::listEntryIsCutButPicksTheWholeValue()
{
    DbLookupComboBox list;
    list.setListSource(*m_notes, QStringLiteral("name"));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.itemText(0).size(), kShownTextLimit);
    QSignalSpy picked(&list, &DbLookupComboBox::picked);
    list.setFocus();
    // Keys on the closed box pick entries as a user does.
    QTest::keyClick(&list, Qt::Key_Home);
    QCOMPARE(picked.count(), 1);
    QCOMPARE(picked.at(0).at(0).toString().size(), m_long.size());
    QCOMPARE(list.text(), m_long);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.text(), QStringLiteral("Short note"));

    // A refill keeps the chosen entry by its whole value.
    m_notes->setSort(QStringLiteral("id DESC"));
    QCOMPARE(list.text(), QStringLiteral("Short note"));
    QCOMPARE(list.currentIndex(), 0);
}

QTEST_MAIN(LongTextTest)
#include "LongTextTest.moc"

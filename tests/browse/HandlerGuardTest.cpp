// Failures inside our handlers are reported once, at the handler's edge, and never unwind
// through Qt's frames: a plain QApplication (no catching notify) runs these, so an escaping
// exception would end the test instead of being reported.

#include "browse/BrowseToolBars.h"
#include "browse/DbGrid.h"
#include "browse/DbNavigator.h"
#include "browse/HandlerGuard.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "tests/support/TinyDb.h"

#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

namespace {
QStringList g_reports;
void record(const std::exception& failure) { g_reports << QString::fromUtf8(failure.what()); }
} // namespace

class HandlerGuardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void guardedReportsOnceAndSaysWhetherTheBodyFinished();
    void guardedSlotTakesTheSignalsLeadingArguments();
    void failingRowMoveIsReportedAndTheGridFollowsTheDataset();
    void failingAfterScrollFromSearchAndNavigatorIsReportedOnce();

private:
    // The after-scroll fails whenever the current row's name begins with this text.
    void failOn(const QString& prefix);

    std::unique_ptr<TinyDb> m_db;
    std::unique_ptr<Dataset> m_things;
    FailureReport m_previous = nullptr;
};

void HandlerGuardTest::init()
{
    g_reports.clear();
    m_previous = setFailureReport(record);
    m_db = std::make_unique<TinyDb>(kThingsSql);
    m_things = m_db->query(QString::fromLatin1(kThingsQuery));
}

void HandlerGuardTest::cleanup()
{
    m_things.reset();
    m_db.reset();
    setFailureReport(m_previous);
}

void HandlerGuardTest::failOn(const QString& prefix)
{
    Dataset* things = m_things.get();
    things->setAfterScroll([things, prefix] {
        if (things->asText(QStringLiteral("name")).startsWith(prefix))
            throw DbError(QStringLiteral("disk I/O error while reading %1").arg(prefix));
    });
}

void HandlerGuardTest::guardedReportsOnceAndSaysWhetherTheBodyFinished()
{
    int ran = 0;
    QVERIFY(guarded([&] { ++ran; }));
    QCOMPARE(ran, 1);
    QVERIFY(g_reports.isEmpty());

    QVERIFY(!guarded([] { throw DbError(QStringLiteral("database is locked")); }));
    QVERIFY(!guarded([] { throw 42; }));
    // A failure caught by an inner edge is not reported again by the outer one.
    QVERIFY(guarded([] { guarded([] { throw std::runtime_error("inner"); }); }));
    QCOMPARE(g_reports, (QStringList{"database is locked", "An unknown failure occurred.", "inner"}));

    // Without an installed report the text goes to the log.
    setFailureReport(nullptr);
    QTest::ignoreMessage(QtCriticalMsg, "nobody is listening");
    QVERIFY(!guarded([] { throw DbError(QStringLiteral("nobody is listening")); }));
    QCOMPARE(g_reports.size(), 3);
}

void HandlerGuardTest::guardedSlotTakesTheSignalsLeadingArguments()
{
    QItemSelectionModel selection;
    QStandardItemModel model(3, 1);
    selection.setModel(&model);
    QList<int> rows;
    // currentRowChanged carries two indexes; the handler takes the first only.
    QObject::connect(&selection, &QItemSelectionModel::currentRowChanged, &selection,
                     guardedSlot([&](const QModelIndex& current) {
                         rows << current.row();
                         if (current.row() == 1)
                             throw DbError(QStringLiteral("row 1 is damaged"));
                     }));
    selection.setCurrentIndex(model.index(0, 0), QItemSelectionModel::NoUpdate);
    selection.setCurrentIndex(model.index(1, 0), QItemSelectionModel::NoUpdate);
    selection.setCurrentIndex(model.index(2, 0), QItemSelectionModel::NoUpdate);
    QCOMPARE(rows, (QList<int>{0, 1, 2}));
    QCOMPARE(g_reports, QStringList{"row 1 is damaged"});
}

void HandlerGuardTest::failingRowMoveIsReportedAndTheGridFollowsTheDataset()
{
    DbGrid grid;
    grid.setColumns({gridColumn("name", "Name", 120), gridColumn("price", "Price", 50)});
    grid.setDataset(*m_things);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    failOn(QStringLiteral("apple"));  // the second row

    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(g_reports, QStringList{"disk I/O error while reading apple"});
    // The move itself happened; grid and dataset agree on where they stand.
    QCOMPARE(m_things->recNo(), 1);
    QCOMPARE(grid.currentIndex().row(), 1);

    // The grid goes on working: the next rows move without a report.
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(m_things->recNo(), 3);
    QCOMPARE(grid.currentIndex().row(), 3);
    QCOMPARE(g_reports.size(), 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(1, 0)).center());
    QCOMPARE(g_reports.size(), 2);
    QCOMPARE(m_things->recNo(), grid.currentIndex().row());
}

void HandlerGuardTest::failingAfterScrollFromSearchAndNavigatorIsReportedOnce()
{
    auto kinds = m_db->query(QStringLiteral("SELECT DISTINCT kind FROM things ORDER BY kind"));
    QWidget window;
    TypeBarOptions options;
    options.label = QStringLiteral("Kind");
    BrowseToolBars bars(options, &window);
    bars.bindList(*m_things, *kinds, QStringLiteral("kind"), QStringLiteral("kind = "), QStringLiteral("name"));
    window.show();
    failOn(QStringLiteral("Broad"));

    // Each keystroke's search lands on the failing row again: one report per keystroke.
    auto* search = bars.findBar()->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    auto* navigator = bars.typeBar()->findChild<DbNavigator*>();
    QTest::keyClicks(search, QStringLiteral("b"));
    QCOMPARE(g_reports, QStringList{"disk I/O error while reading Broad"});
    QTest::keyClicks(search, QStringLiteral("r"));
    QCOMPARE(g_reports.size(), 2);
    QCOMPARE(m_things->asText(QStringLiteral("name")), QStringLiteral("Broad Axe"));
    QCOMPARE(search->text(), QStringLiteral("br"));

    // The navigator's step onto the failing row: reported once, the buttons follow the row.
    m_things->first();
    m_things->moveTo(2);
    QTest::mouseClick(navigator->button(DbNavigator::Next), Qt::LeftButton);
    QCOMPARE(g_reports.size(), 3);
    QCOMPARE(m_things->recNo(), 3);
    QVERIFY(navigator->button(DbNavigator::Prior)->isEnabled());
    QTest::mouseClick(navigator->button(DbNavigator::Last), Qt::LeftButton);
    QCOMPARE(m_things->recNo(), 6);
    QCOMPARE(g_reports.size(), 3);
}

QTEST_MAIN(HandlerGuardTest)
#include "HandlerGuardTest.moc"

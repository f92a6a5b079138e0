// The dataset model and the grid: what the grid shows, and that the grid's current row and
// the dataset's current row stay one whichever side moves.

#include "browse/DatasetModel.h"
#include "browse/DbGrid.h"
#include "browse/GridCopy.h"
#include "browse/NameSearch.h"
#include "data/Dataset.h"
#include "tests/support/TinyDb.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QMenu>
#include <QHeaderView>
#include <QTabWidget>
#include <QtTest>

#include <sqlite3.h>

// Failures that escape an event handler, caught and kept as the program's application reports them.
class ReportingApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& failure) {
            reports << QString::fromUtf8(failure.what());
        }
        return false;
    }
    QStringList reports;
};

class DbGridTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void modelStaysConsistentThroughFilterSortAndClose();
    void cellsShowTextFontsAndAlignments();
    void keysAndWheelMoveTheDatasetOnceEach();
    void datasetMovesMoveTheGrid();
    void sortKeepsTheRowAndRunsNoAfterScroll();
    void emptyResultSelectsNothing();
    void rowHeightsAreUniformAndFitIcons();
    void doubleClickAndCellClickReachTheWindow();
    void waitingRowsComeWhenTheGridIsShown();
    void aFailingFetchIsReportedFromTheEventLoop();
    void copiesTheRowsNameAndText();

private:
    std::unique_ptr<TinyDb> m_db;
    std::unique_ptr<Dataset> m_things;
    std::unique_ptr<DbGrid> m_grid;
    int m_scrolls = 0;
};

void DbGridTest::init()
{
    m_db = std::make_unique<TinyDb>(kThingsSql);
    m_things = m_db->query(QString::fromLatin1(kThingsQuery));
    m_scrolls = 0;
    m_things->setAfterScroll([this] { ++m_scrolls; });
    m_grid = std::make_unique<DbGrid>();
    m_grid->setColumns({gridColumn("icon", "", 40), gridColumn("name", "Name", 120, QFont("Tahoma", 13)),
                        gridColumn("kind", "Kind", 80, std::nullopt, Qt::AlignHCenter), gridColumn("price", "Price", 50)});
    m_grid->setDataset(*m_things);
    m_grid->resize(400, 200);
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
}

void DbGridTest::cleanup()
{
    m_grid.reset();
    m_things.reset();
    m_db.reset();
}

void DbGridTest::modelStaysConsistentThroughFilterSortAndClose()
{
    DatasetModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setColumns({gridColumn("name", "Name"), gridColumn("price", "Price")});
    model.setDataset(m_things.get());
    QCOMPARE(model.rowCount(), 7);
    refilter(*m_things, QStringLiteral("kind = 'Axe'"));
    QCOMPARE(model.rowCount(), 2);
    m_things->setSort(QStringLiteral("name DESC"));
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Broad Axe"));
    refilter(*m_things, QStringLiteral("kind = 'Nothing'"));
    QCOMPARE(model.rowCount(), 0);
    m_things->close();
    QCOMPARE(model.rowCount(), 0);
    m_things->open();
    QCOMPARE(model.rowCount(), 0);  // the filter is still on
}

void DbGridTest::cellsShowTextFontsAndAlignments()
{
    QAbstractItemModel* model = m_grid->model();
    QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("apple pie"));
    QCOMPARE(model->index(2, 3).data().toString(), QStringLiteral("3.25"));
    QCOMPARE(model->index(1, 0).data().toString(), QString());  // NULL icon reads empty
    QCOMPARE(model->index(0, 1).data(Qt::FontRole).value<QFont>().pixelSize(), QFont("Tahoma", 13).pixelSize());
    QVERIFY(!model->index(0, 3).data(Qt::FontRole).isValid());
    // Numbers right, text left, unless the column says otherwise.
    QCOMPARE(model->index(0, 3).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
    QCOMPARE(model->index(0, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask, int(Qt::AlignLeft));
    QCOMPARE(model->index(0, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask, int(Qt::AlignHCenter));
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("icon"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
    QCOMPARE(m_grid->columnWidth(1), 120);
    QVERIFY(!(model->flags(model->index(0, 1)) & Qt::ItemIsEditable));
}

void DbGridTest::keysAndWheelMoveTheDatasetOnceEach()
{
    m_grid->setFocus();
    QCOMPARE(m_grid->currentIndex().row(), 0);
    QTest::keyClick(m_grid.get(), Qt::Key_Down);
    QCOMPARE(m_things->recNo(), 1);
    QCOMPARE(m_scrolls, 1);
    QTest::keyClick(m_grid.get(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(m_things->recNo(), 6);
    QCOMPARE(m_scrolls, 2);

    // A wheel step of any size is one row.
    QWheelEvent up(QPointF(50, 50), m_grid->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 240),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_grid->viewport(), &up);
    QCOMPARE(m_things->recNo(), 5);
    QCOMPARE(m_scrolls, 3);
    QCOMPARE(m_grid->currentIndex().row(), 5);

    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, m_grid->visualRect(m_grid->model()->index(0, 1)).center());
    QCOMPARE(m_things->recNo(), 0);
    QCOMPARE(m_scrolls, 4);
    QVERIFY(m_grid->selectionModel()->isRowSelected(0, QModelIndex()));
}

void DbGridTest::datasetMovesMoveTheGrid()
{
    m_things->last();
    QCOMPARE(m_grid->currentIndex().row(), 6);
    QVERIFY(m_grid->selectionModel()->isRowSelected(6, QModelIndex()));
    QVERIFY(quickFind(*m_things, QStringLiteral("name"), QStringLiteral("ax")));
    QCOMPARE(m_grid->currentIndex().row(), 4);
    QCOMPARE(m_scrolls, 2);  // last() and the find, nothing from the grid following
}

void DbGridTest::sortKeepsTheRowAndRunsNoAfterScroll()
{
    m_things->moveTo(3);  // Broad Axe
    m_scrolls = 0;
    m_things->setSort(QStringLiteral("name ASC"));
    QCOMPARE(m_scrolls, 0);
    QCOMPARE(m_things->asText(QStringLiteral("name")), QStringLiteral("Broad Axe"));
    const QModelIndex current = m_grid->currentIndex();
    QCOMPARE(current.row(), m_things->recNo());
    QCOMPARE(m_grid->model()->index(current.row(), 1).data().toString(), QStringLiteral("Broad Axe"));
}

void DbGridTest::emptyResultSelectsNothing()
{
    refilter(*m_things, QStringLiteral("kind = 'Nothing'"));
    QCOMPARE(m_grid->model()->rowCount(), 0);
    QVERIFY(!m_grid->selectionModel()->hasSelection());
    QTest::keyClick(m_grid.get(), Qt::Key_Down);
    QCOMPARE(m_things->recNo(), -1);
    refilter(*m_things, QStringLiteral("kind = 'Axe'"));
    QCOMPARE(m_grid->currentIndex().row(), 0);
}

void DbGridTest::rowHeightsAreUniformAndFitIcons()
{
    QFont big(QStringLiteral("MS Sans Serif"));
    big.setPixelSize(27);
    m_grid->setBaseFont(big);
    m_grid->setIconColumn(0, m_db->folder());
    const int height = m_grid->rowHeight(0);
    QVERIFY2(height >= 34, qPrintable(QString::number(height)));
    for (int row = 1; row < 7; ++row)
        QCOMPARE(m_grid->rowHeight(row), height);
    QFont small = big;
    small.setPixelSize(13);
    QVERIFY(DbGrid::rowHeightFor(small, false) < DbGrid::rowHeightFor(big, false));
    QVERIFY(DbGrid::rowHeightFor(small, true) >= 34);
}

void DbGridTest::doubleClickAndCellClickReachTheWindow()
{
    QSignalSpy dbl(m_grid.get(), &DbGrid::dblClick);
    QSignalSpy cell(m_grid.get(), &DbGrid::cellClick);
    const QPoint at = m_grid->visualRect(m_grid->model()->index(2, 3)).center();
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(cell.count(), 1);
    QCOMPARE(cell.at(0).at(0).toInt(), 2);
    QCOMPARE(cell.at(0).at(1).toInt(), 3);
    QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(dbl.count(), 1);
    // Also over an empty grid: the handler decides that there is nothing to do.
    refilter(*m_things, QStringLiteral("kind = 'Nothing'"));
    QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(dbl.count(), 2);
}

void DbGridTest::waitingRowsComeWhenTheGridIsShown()
{
    // Grids on pages behind another: their datasets open without fetching and the grids show
    // nothing until their page comes to the front.
    std::unique_ptr<Dataset> whole = m_db->query(QString::fromLatin1(kThingsQuery));
    auto keyed = std::make_unique<Dataset>(m_db->connection());
    keyed->setSql(QString::fromLatin1(kThingsQuery));
    keyed->setFilter(QStringLiteral("id = '3'"));
    keyed->setFiltered(true);
    keyed->open();
    QTabWidget pages;
    pages.addTab(new QWidget, QStringLiteral("front"));
    DbGrid* grids[2] = {new DbGrid, new DbGrid};
    Dataset* datasets[2] = {whole.get(), keyed.get()};
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
    for (int i = 0; i < 2; ++i) {
        grids[i]->setColumns({gridColumn("name", "Name", 120)});
        grids[i]->setDataset(*datasets[i]);
        pages.addTab(grids[i], QStringLiteral("behind"));
        testers.push_back(std::make_unique<QAbstractItemModelTester>(
            grids[i]->model(), QAbstractItemModelTester::FailureReportingMode::QtTest));
    }
    pages.resize(400, 300);
    pages.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pages));
    for (int i = 0; i < 2; ++i) {
        QVERIFY(datasets[i]->rowsPending());
        QCOMPARE(grids[i]->model()->rowCount(), 0);
    }
    auto shown = [&](int grid) { return grids[grid]->model()->index(0, 0).data().toString(); };

    pages.setCurrentIndex(1);
    QCOMPARE(grids[0]->model()->rowCount(), 7);
    QCOMPARE(grids[0]->currentIndex().row(), 0);
    QCOMPARE(shown(0), QStringLiteral("Zircon Wand"));

    pages.setCurrentIndex(2);
    QCOMPARE(grids[1]->model()->rowCount(), 1);
    QCOMPARE(shown(1), QStringLiteral("Axe of Dawn"));
    // Another key's rows come at once while the grid is in front, and wait while it is not.
    refilter(*keyed, QStringLiteral("id = '4'"));
    QCOMPARE(shown(1), QStringLiteral("Broad Axe"));
    pages.setCurrentIndex(0);
    refilter(*keyed, QStringLiteral("id = '1'"));
    QVERIFY(keyed->rowsPending());
    QCOMPARE(grids[1]->model()->rowCount(), 0);
    pages.setCurrentIndex(2);
    QCOMPARE(grids[1]->model()->rowCount(), 1);
    QCOMPARE(shown(1), QStringLiteral("Zircon Wand"));
    QCOMPARE(grids[1]->currentIndex().row(), 0);
}

void DbGridTest::aFailingFetchIsReportedFromTheEventLoop()
{
    auto* app = static_cast<ReportingApplication*>(QCoreApplication::instance());
    app->reports.clear();
    std::unique_ptr<Dataset> later = m_db->query(QStringLiteral("SELECT id, name FROM things ORDER BY name"));
    QTabWidget pages;
    pages.addTab(new QWidget, QStringLiteral("front"));
    auto* grid = new DbGrid;
    grid->setColumns({gridColumn("name", "Name", 120)});
    grid->setDataset(*later);
    pages.addTab(grid, QStringLiteral("behind"));
    pages.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pages));
    QVERIFY(later->rowsPending());

    // The table goes away behind the program's back; bringing the page forward fails to fetch.
    sqlite3* other = nullptr;
    sqlite3_open((m_db->folder() + QStringLiteral("gd.mdb")).toUtf8().constData(), &other);
    QCOMPARE(sqlite3_exec(other, "DROP TABLE things", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    pages.setCurrentIndex(1);
    QCOMPARE(pages.currentIndex(), 1);
    QCOMPARE(grid->model()->rowCount(), 0);
    QVERIFY(later->rowsPending());
    QTRY_COMPARE(app->reports.size(), 1);
    QVERIFY2(app->reports.first().contains(QStringLiteral("no such table")), qPrintable(app->reports.first()));
}

int main(int argc, char** argv)
{
    ReportingApplication app(argc, argv);
    DbGridTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DbGridTest.moc"

void DbGridTest::copiesTheRowsNameAndText()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto entry = [this](const char* name) { return m_grid->findChild<QAction*>(QLatin1String(name)); };
    auto openMenu = [this] {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(10, 10), m_grid->viewport()->mapToGlobal(QPoint(10, 10)));
        QCoreApplication::sendEvent(m_grid->viewport(), &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu)
            menu->close();
        return menu;
    };

    // The name is the first column headed "...name"; the row is every shown column, pictures left out.
    m_things->moveTo(5);
    QCOMPARE(GridCopy::nameColumn(*m_grid), 1);
    QVERIFY(openMenu());
    QVERIFY(entry("CopyNameItem")->isEnabled() && entry("CopyRowItem")->isEnabled());
    entry("CopyNameItem")->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("O'Brien's Hat"));
    entry("CopyRowItem")->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("hat\tO'Brien's Hat\tHunter's Gear\t6"));
    m_grid->setIconColumn(0);
    m_grid->setColumnHidden(2, true);
    entry("CopyRowItem")->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("O'Brien's Hat\t6"));
    m_grid->setFocus();
    QTest::keyClick(m_grid.get(), Qt::Key_Up);
    QTest::keyClick(m_grid.get(), Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("axe handle"));

    // A grid whose columns name nothing copies no name; an empty list copies nothing at all.
    m_grid->setColumns({gridColumn("kind", "Kind"), gridColumn("price", "Price")});
    QCOMPARE(GridCopy::nameColumn(*m_grid), -1);
    QVERIFY(openMenu());
    QVERIFY(!entry("CopyNameItem")->isEnabled());
    QVERIFY(entry("CopyRowItem")->isEnabled());
    refilter(*m_things, QStringLiteral("kind = 'Nothing'"));
    clipboard->setText(QStringLiteral("kept"));
    QVERIFY(openMenu());
    QVERIFY(!entry("CopyRowItem")->isEnabled());
    QTest::keyClick(m_grid.get(), Qt::Key_Insert, Qt::ControlModifier);
    entry("CopyRowItem")->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("kept"));

    // A grid with a menu of its own shows it, with the copy entries after a separator.
    QMenu own;
    own.addAction(QStringLiteral("Own Entry"));
    m_grid->setPopupMenu(&own);
    QCOMPARE(openMenu(), &own);
    QCOMPARE(own.actions().size(), 4);
    QVERIFY(own.actions().at(1)->isSeparator());
    QCOMPARE(own.actions().at(2), entry("CopyNameItem"));
    QCOMPARE(own.actions().at(3), entry("CopyRowItem"));
}

// Column widths for the fonts at hand, and what a cell too narrow for its value shows: the
// rule that widens a design width, the usual width of a column's values, the design fonts'
// reference widths, and a grid that applies them with the whole value in a cut cell's tooltip.

#include "browse/ColumnFit.h"
#include "browse/DbGrid.h"
#include "browse/GridCellDelegate.h"
#include "browse/UiFont.h"
#include "data/Dataset.h"
#include "tests/support/TinyDb.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QtTest>

#include <cmath>

namespace {
const char* const kLongNames = R"(
CREATE TABLE mobs (id INTEGER, name TEXT, hands TEXT);
INSERT INTO mobs VALUES (1, 'Elder Plaguebearer of the Sunken Catacombs', 'Two Hands');
INSERT INTO mobs VALUES (2, 'Rat', 'One Hand');
INSERT INTO mobs VALUES (3, 'Grey Wolf', 'One Hand');
)";
}

class ColumnFitTest : public QObject {
    Q_OBJECT
private slots:
    void widthRule_data();
    void widthRule();
    void usualWidthLeavesOutTheWidestTenth();
    void designFamiliesHaveReferenceWidths();
    void gridWidensCutColumnsAndKeepsExactOnes();
    void cutCellShowsItsWholeValueInTheTooltip();
};

void ColumnFitTest::widthRule_data()
{
    QTest::addColumn<int>("design");
    QTest::addColumn<int>("needed");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<int>("width");
    QTest::newRow("holds its values") << 50 << 50 << 1.2 << false << 50;
    QTest::newRow("too narrow, wider font") << 50 << 66 << 1.13 << false << 57;
    QTest::newRow("widened up, never past the ratio") << 200 << 500 << 1.05 << false << 210;
    QTest::newRow("font no wider than the design") << 50 << 66 << 0.96 << false << 50;
    QTest::newRow("exact width stays") << 244 << 400 << 1.2 << true << 244;
}

void ColumnFitTest::widthRule()
{
    QFETCH(int, design);
    QFETCH(int, needed);
    QFETCH(double, ratio);
    QFETCH(bool, exact);
    QFETCH(int, width);
    QCOMPARE(fittedWidth(design, needed, ratio, exact), width);
}

void ColumnFitTest::usualWidthLeavesOutTheWidestTenth()
{
    QCOMPARE(usualWidth({}), 0);
    QCOMPARE(usualWidth({30, 10, 20}), 30);
    QList<int> widths;
    for (int i = 1; i <= 20; ++i)
        widths << i * 10;
    QCOMPARE(usualWidth(widths), 180);
    widths << 5000;
    QCOMPARE(usualWidth(widths), 190);
}

void ColumnFitTest::designFamiliesHaveReferenceWidths()
{
    QCOMPARE(designAverageWidth(uiFont(kTahoma, 13)), 13 * 0.5472);
    QCOMPARE(designAverageWidth(uiFont(kTahoma, 13, true)), 13 * 0.6303);
    QCOMPARE(designAverageWidth(uiFont(kSansSerif, 11)), 11 * 0.5647);
    // The bitmap face is emboldened by a pixel per character.
    QCOMPARE(designAverageWidth(uiFont(kSansSerif, 13, true)), 13 * 0.5647 + 1.0);
    QCOMPARE(designAverageWidth(QFont(QStringLiteral("Some Other Face"))), 0.0);

    const QFont tahoma = uiFont(kTahoma, 13, true);
    QCOMPARE(substituteRatio(tahoma), averageWidth(tahoma) / designAverageWidth(tahoma));
    QCOMPARE(substituteRatio(QFont(QStringLiteral("Some Other Face"))), 1.0);
    QVERIFY(averageWidth(uiFont(kSansSerif, 27)) > averageWidth(uiFont(kSansSerif, 13)));
}

void ColumnFitTest::gridWidensCutColumnsAndKeepsExactOnes()
{
    TinyDb db(kLongNames);
    std::unique_ptr<Dataset> mobs = db.query(QStringLiteral("SELECT id, name, hands FROM mobs ORDER BY id"));
    const QFont cells = uiFont(kSansSerif, 13);
    GridColumn exact = gridColumn("hands", "Hands", 30, cells);
    exact.exactWidth = true;
    DbGrid grid;
    grid.setColumns({gridColumn("id", "Id", 40, cells), gridColumn("name", "Monster Name", 60, cells), exact});
    grid.setDataset(*mobs);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    // The ids fit; the names do not, so their column grows by the font's ratio and no more.
    QCOMPARE(grid.columnWidth(0), 40);
    const double ratio = substituteRatio(cells);
    QCOMPARE(grid.columnWidth(1), ratio > 1.0 ? int(std::ceil(60 * ratio)) : 60);
    QCOMPARE(grid.columnWidth(2), 30);

    // A grid as wide as its columns never needs to scroll sideways.
    grid.setWidthFromColumns(true);
    const int columns = grid.columnWidth(0) + grid.columnWidth(1) + grid.columnWidth(2);
    QCOMPARE(grid.width(), columns + 2 * grid.frameWidth() + grid.verticalScrollBar()->sizeHint().width());
}

void ColumnFitTest::cutCellShowsItsWholeValueInTheTooltip()
{
    TinyDb db(kLongNames);
    std::unique_ptr<Dataset> mobs = db.query(QStringLiteral("SELECT id, name, hands FROM mobs ORDER BY id"));
    DbGrid grid;
    GridColumn name = gridColumn("name", "Monster Name", 60);
    name.exactWidth = true;
    grid.setColumns({gridColumn("id", "Id", 40), name});
    grid.setHint(QStringLiteral("Click to view drop/spoil info"));
    grid.setDataset(*mobs);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    auto tipAt = [&](int row, int column) {
        QToolTip::hideText();
        const QRect cell = grid.visualRect(grid.model()->index(row, column));
        QHelpEvent help(QEvent::ToolTip, cell.center(), grid.viewport()->mapToGlobal(cell.center()));
        QCoreApplication::sendEvent(grid.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipAt(0, 1), QStringLiteral("Elder Plaguebearer of the Sunken Catacombs"));
    // A value the cell holds whole leaves the grid's own hint.
    QCOMPARE(tipAt(1, 1), QStringLiteral("Click to view drop/spoil info"));
    QCOMPARE(tipAt(0, 0), QStringLiteral("Click to view drop/spoil info"));

    // The cell's text room leaves the platform's insets and the grid line.
    QCOMPARE(GridCellDelegate::textRoom(QRect(0, 0, 50, 20)), QRect(2, 0, 45, 20));
    QToolTip::hideText();
}

QTEST_MAIN(ColumnFitTest)
#include "ColumnFitTest.moc"

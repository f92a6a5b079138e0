// The one rule for data-aware views: each reaches its dataset through a guarded pointer, so a
// view that outlives its dataset shows nothing and does nothing, whatever the user does to it.
// Whichever goes first in a window's teardown, nothing touches a freed dataset.

#include "browse/BrowseToolBars.h"
#include "browse/DbGrid.h"
#include "browse/DbLabel.h"
#include "browse/DbLookupComboBox.h"
#include "browse/DbNavigator.h"
#include "browse/HeaderStrip.h"
#include "data/Dataset.h"
#include "tests/support/TinyDb.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

class ViewLifetimeTest : public QObject {
    Q_OBJECT
private slots:
    void viewsOutliveTheirDatasets();
};

void ViewLifetimeTest::viewsOutliveTheirDatasets()
{
    TinyDb db(kThingsSql);
    auto things = db.query(QString::fromLatin1(kThingsQuery));
    auto kinds = db.query(QStringLiteral("SELECT DISTINCT kind FROM things ORDER BY kind"));

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    TypeBarOptions options;
    options.label = QStringLiteral("Kind");
    BrowseToolBars bars(options, &window);
    bars.bindList(*things, *kinds, QStringLiteral("kind"), QStringLiteral("kind = "), QStringLiteral("name"));
    auto* strip = new HeaderStrip(&window);
    auto* grid = new DbGrid(&window);
    grid->setColumns({gridColumn("icon", "", 40), gridColumn("name", "Name", 120), gridColumn("price", "Price", 50)});
    grid->setIconColumn(0, db.folder());
    grid->setDataset(*things);
    strip->setGrid(grid, HeaderStrip::IgnoreIconSection);
    strip->fill();
    auto* label = new DbLabel(&window);
    label->bind(*things, QStringLiteral("name"));
    for (QWidget* w : {static_cast<QWidget*>(bars.typeBar()), static_cast<QWidget*>(bars.findBar()),
                       static_cast<QWidget*>(strip), static_cast<QWidget*>(grid), static_cast<QWidget*>(label)})
        layout->addWidget(w);
    window.resize(400, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(grid->model()->rowCount(), 7);
    QCOMPARE(label->text(), QStringLiteral("Zircon Wand"));

    things.reset();
    kinds.reset();

    // Everything a user can still do to the views finds no dataset and changes nothing.
    QVERIFY(!grid->dataset());
    QCOMPARE(grid->model()->rowCount(), 0);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, QPoint(strip->sectionViewportPosition(1) + 5, 8));
    auto* search = bars.findBar()->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QTest::keyClicks(search, QStringLiteral("ax"));
    QTest::mouseClick(bars.findBar()->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    auto* types = bars.typeBar()->findChild<DbLookupComboBox*>();
    emit types->activated(0);
    auto* navigator = bars.typeBar()->findChild<DbNavigator*>();
    for (auto b : {DbNavigator::First, DbNavigator::Prior, DbNavigator::Next, DbNavigator::Last})
        QTest::mouseClick(navigator->button(b), Qt::LeftButton);
    label->update();
    const QImage shot = window.grab().toImage();
    QVERIFY(!shot.isNull());
    QVERIFY(search->text().isEmpty());
}

QTEST_MAIN(ViewLifetimeTest)
#include "ViewLifetimeTest.moc"

// Closing a browse window, whatever the user was doing in it, and closing the frame with
// windows open: nothing may touch a dataset that is already gone. Run under AddressSanitizer
// to see a use after free; without it the test still drives every state.

#include "app/BrowseWindowFactory.h"
#include "app/MainForm.h"
#include "browse/DbGrid.h"
#include "browse/DbLookupComboBox.h"
#include "browse/HandlerGuard.h"
#include "browse/HeaderStrip.h"
#include "data/DBModule.h"
#include "tests/support/ModuleFixture.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

Q_DECLARE_METATYPE(WindowKind)

namespace {

QStringList& g_reports = ModuleFixture::reports();

enum class State { Fresh, Working, EveryPage, PopupOpen, AfterJump };

// Every window a command opens; those not yet in the build are skipped.
const struct {
    WindowKind kind;
    const char* name;
} kKinds[] = {{WindowKind::Weapons, "Weapons"}, {WindowKind::Armor, "Armor"},       {WindowKind::Sets, "Sets"},
              {WindowKind::Accessories, "Accesories"}, {WindowKind::Items, "Items"}, {WindowKind::Monsters, "Monsters"},
              {WindowKind::Recipes, "Recipes"}, {WindowKind::Skills, "Skils"},     {WindowKind::Quests, "Quests"},
              {WindowKind::DbMaintain, "DbMaintain"}};

// A click in the middle of each heading that lies in view, sorting every list of the window.
void clickEveryHeading(QWidget& form)
{
    for (HeaderStrip* strip : form.findChildren<HeaderStrip*>())
        for (int section = 0; section < strip->count(); ++section)
            QTest::mouseClick(strip->viewport(), Qt::LeftButton, {},
                              QPoint(strip->sectionViewportPosition(section) + 3, strip->height() / 2));
}

// What a user leaves behind: a searched and filtered list, a row further down, sorted panes,
// the focus in a grid of the last page.
void work(QWidget& form)
{
    if (auto* search = form.findChild<QLineEdit*>(QStringLiteral("Edit1")))
        QTest::keyClicks(search, QStringLiteral("a"));
    if (auto* types = form.findChild<DbLookupComboBox*>(QStringLiteral("DBLookupComboBox1")); types && types->count()) {
        types->setCurrentIndex(types->count() - 1);
        emit types->activated(types->currentIndex());
    }
    for (DbGrid* grid : form.findChildren<DbGrid*>()) {
        if (!grid->isVisible() || grid->model()->rowCount() == 0)
            continue;
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down);
    }
    clickEveryHeading(form);
    if (auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"))) {
        pages->setCurrentIndex(pages->count() - 1);
        for (DbGrid* grid : pages->currentWidget()->findChildren<DbGrid*>())
            grid->setFocus();
    }
    QCoreApplication::processEvents();
}

void showEveryPage(QWidget& form)
{
    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int page = 0; pages && page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        clickEveryHeading(form);
        QCoreApplication::processEvents();
    }
}

// The type list's drop-down, or else a grid's menu, left open.
void openPopup(QWidget& form)
{
    if (auto* types = form.findChild<DbLookupComboBox*>(QStringLiteral("DBLookupComboBox1"))) {
        types->showPopup();
        return;
    }
    if (auto* menu = form.findChild<QMenu*>())
        menu->popup(form.mapToGlobal(QPoint(40, 40)));
}

// A double-click in every grid: item windows open monsters windows and the other way round.
void jumpAround(QWidget& form)
{
    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int page = 0; pages && page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        for (DbGrid* grid : pages->currentWidget()->findChildren<DbGrid*>())
            if (grid->isVisible() && grid->model()->rowCount() > 0)
                QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                                   grid->visualRect(grid->model()->index(0, 1)).center());
    }
}

} // namespace

class TestTeardown : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void closingAWindowInAnyStateIsClean_data();
    void closingAWindowInAnyStateIsClean();
    void closingTheFrameWithWindowsOpenIsClean();

private:
    std::unique_ptr<ModuleFixture> m_fixture;
};

void TestTeardown::initTestCase()
{
    m_fixture = std::make_unique<ModuleFixture>();
    QVERIFY(m_fixture->isValid());
}

void TestTeardown::cleanupTestCase() { m_fixture.reset(); }

void TestTeardown::init() { g_reports.clear(); }

void TestTeardown::closingAWindowInAnyStateIsClean_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<int>("state");
    const struct {
        State state;
        const char* name;
    } states[] = {{State::Fresh, "fresh"},
                  {State::Working, "working"},
                  {State::EveryPage, "every page"},
                  {State::PopupOpen, "popup open"},
                  {State::AfterJump, "after jumps"}};
    for (const auto& k : kKinds)
        for (const auto& s : states)
            QTest::addRow("%s, %s", k.name, s.name) << k.kind << int(s.state);
}

void TestTeardown::closingAWindowInAnyStateIsClean()
{
    QFETCH(WindowKind, kind);
    QFETCH(int, state);
    TMainForm frame(createBrowseWindow);
    frame.resize(1100, 750);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.openWindow(kind);
    const QList<QMdiSubWindow*> opened = frame.clientArea()->subWindowList();
    if (opened.isEmpty())
        QSKIP("this window is not part of the build");
    QWidget& form = *opened.first()->widget();
    QCoreApplication::processEvents();

    switch (State(state)) {
    case State::Fresh: break;
    case State::Working: work(form); break;
    case State::EveryPage: showEveryPage(form); break;
    case State::PopupOpen: work(form); openPopup(form); break;
    case State::AfterJump: jumpAround(form); break;
    }
    // The window the user worked in closes first, then whatever it opened, newest first.
    opened.first()->close();
    QTRY_VERIFY(!frame.clientArea()->subWindowList().contains(opened.first()));
    while (!frame.clientArea()->subWindowList().isEmpty()) {
        QMdiSubWindow* newest = frame.clientArea()->subWindowList(QMdiArea::CreationOrder).last();
        work(*newest->widget());
        newest->close();
        QTRY_VERIFY(!frame.clientArea()->subWindowList().contains(newest));
    }
    QVERIFY2(g_reports.isEmpty(), qPrintable(g_reports.join(QLatin1Char('\n'))));
}

void TestTeardown::closingTheFrameWithWindowsOpenIsClean()
{
    auto* frame = new TMainForm(createBrowseWindow);
    frame->resize(1100, 750);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    for (const auto& k : kKinds) {
        frame->openWindow(k.kind);
        const QList<QMdiSubWindow*> opened = frame->clientArea()->subWindowList(QMdiArea::CreationOrder);
        if (!opened.isEmpty())
            work(*opened.last()->widget());
    }
    QVERIFY(frame->clientArea()->subWindowList().size() >= 6);
    delete frame;
    QVERIFY2(g_reports.isEmpty(), qPrintable(g_reports.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTeardown)
#include "tst_teardown.moc"

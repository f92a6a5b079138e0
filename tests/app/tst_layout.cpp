// What every browse window looks like, checked on the real widgets of each window the program
// builds: each heading of a strip over its column to the pixel (also after a sideways scroll),
// grids that never scroll sideways when a row is selected, no part drawn over another in the
// narrowest tiled window, and every grid's current row highlighted from the start.

#include "app/BrowseWindowFactory.h"
#include "browse/DbGrid.h"
#include "browse/DbLookupPicker.h"
#include "browse/HandlerGuard.h"
#include "browse/HeaderStrip.h"
#include "browse/IconCellDelegate.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "panes/CraftingTreePage.h"
#include "panes/CraftingTreeView.h"
#include "panes/WindowPlace.h"
#include "tests/crafting/CraftingRows.h"
#include "tests/support/FakeHost.h"
#include "tests/support/ModuleFixture.h"
#include "tests/support/TinyDb.h"
#include "tools/gendb/SchemaText.h"

#include <QComboBox>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(WindowKind)

namespace {

// Three windows side by side in the smallest main window.
constexpr QSize kNarrowestTile(282, 360);

const struct {
    WindowKind kind;
    const char* name;
} kKinds[] = {{WindowKind::Weapons, "Weapons"},   {WindowKind::Armor, "Armor"},
              {WindowKind::Sets, "Sets"},         {WindowKind::Accessories, "Accesories"},
              {WindowKind::Items, "Items"},       {WindowKind::Monsters, "Monsters"},
              {WindowKind::Recipes, "Recipes"},   {WindowKind::Skills, "Skils"},
              {WindowKind::Quests, "Quests"},     {WindowKind::DbMaintain, "Maintenance"}};

QString nameOf(const QWidget* w)
{
    const QString name = w->objectName().isEmpty() ? QStringLiteral("(unnamed)") : w->objectName();
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()), name);
}

QString rectText(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Every page of every tab control in the window, brought to the front one after the other.
template <typename Look> void onEveryPage(QWidget& form, Look look)
{
    QList<QTabWidget*> controls = form.findChildren<QTabWidget*>();
    look();
    for (QTabWidget* pages : controls) {
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QCoreApplication::processEvents();
            look();
        }
        pages->setCurrentIndex(0);
    }
}

// A strip's sections against its grid's columns, in screen pixels; empty when they agree.
QStringList misalignments(HeaderStrip& strip)
{
    QStringList out;
    DbGrid* grid = strip.grid();
    if (!grid)
        return {nameOf(&strip) + QStringLiteral(" has no grid")};
    if (strip.count() != grid->model()->columnCount())
        out << QStringLiteral("%1: %2 sections over %3 columns").arg(nameOf(&strip)).arg(strip.count()).arg(grid->model()->columnCount());
    const int stripCells = strip.viewport()->mapToGlobal(QPoint(0, 0)).x();
    const int gridCells = grid->viewport()->mapToGlobal(QPoint(0, 0)).x();
    if (stripCells != gridCells || strip.viewport()->width() != grid->viewport()->width())
        out << QStringLiteral("%1 spans %2+%3, its grid's cells %4+%5")
                   .arg(nameOf(&strip))
                   .arg(stripCells)
                   .arg(strip.viewport()->width())
                   .arg(gridCells)
                   .arg(grid->viewport()->width());
    for (int i = 0; i < std::min(strip.count(), grid->model()->columnCount()); ++i) {
        const int sectionLeft = stripCells + strip.sectionViewportPosition(i);
        const int columnLeft = gridCells + grid->columnViewportPosition(i);
        if (sectionLeft != columnLeft || strip.sectionSize(i) != grid->columnWidth(i))
            out << QStringLiteral("%1 section %2 at %3+%4, column at %5+%6")
                       .arg(nameOf(&strip))
                       .arg(i)
                       .arg(sectionLeft)
                       .arg(strip.sectionSize(i))
                       .arg(columnLeft)
                       .arg(grid->columnWidth(i));
    }
    return out;
}

// Visible widgets drawn over a visible sibling, as "a over b".
// An in-cell picker lies over its grid's focused cell by design; it must stay inside the grid.
bool pickerInside(const QWidget* a, const QWidget* b)
{
    return qobject_cast<const DbLookupPicker*>(a) && b->geometry().contains(a->geometry());
}

QStringList overlaps(QWidget& root)
{
    QStringList out;
    QList<QWidget*> parents{&root};
    parents += root.findChildren<QWidget*>();
    for (QWidget* parent : parents) {
        // A tab bar's own scroll arrows touch by design.
        if (!parent->isVisible() || qobject_cast<QTabBar*>(parent))
            continue;
        QList<QWidget*> shown;
        for (QObject* o : parent->children())
            // A divider's grab area reaches a pixel into its neighbours without drawing there.
            if (auto* w = qobject_cast<QWidget*>(o); w && w->isVisible() && !w->isWindow() && !w->geometry().isEmpty() &&
                                                     !qobject_cast<QSplitterHandle*>(w))
                shown << w;
        for (int i = 0; i < shown.size(); ++i)
            for (int j = i + 1; j < shown.size(); ++j)
                if (shown[i]->geometry().intersects(shown[j]->geometry()) && !pickerInside(shown[i], shown[j]) &&
                    !pickerInside(shown[j], shown[i]))
                    out << QStringLiteral("%1 %2 over %3 %4")
                               .arg(nameOf(shown[i]), rectText(shown[i]->geometry()), nameOf(shown[j]),
                                    rectText(shown[j]->geometry()));
    }
    return out;
}

QList<DbGrid*> shownGrids(QWidget& form)
{
    QList<DbGrid*> out;
    for (DbGrid* grid : form.findChildren<DbGrid*>())
        if (grid->isVisible())
            out << grid;
    return out;
}

int iconColumnOf(DbGrid& grid)
{
    auto* icons = qobject_cast<IconCellDelegate*>(grid.itemDelegate());
    return icons ? icons->iconColumn() : -1;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void stripsStandOverTheirColumns_data() { kinds(); }
    void stripsStandOverTheirColumns();
    void selectingARowNeverScrollsSideways_data() { kinds(); }
    void selectingARowNeverScrollsSideways();
    void nothingOverlapsInTheNarrowestTile_data() { kinds(); }
    void nothingOverlapsInTheNarrowestTile();
    void currentRowIsHighlightedFromTheStart_data() { kinds(); }
    void currentRowIsHighlightedFromTheStart();
    void aDeepCraftingTreeInTheNarrowestTile();

private:
    void kinds();
    QWidget* open(QSize size);

    std::unique_ptr<ModuleFixture> m_fixture;
    FakeHost m_host;
    std::unique_ptr<QWidget> m_form;
};

void TestLayout::initTestCase()
{
    m_fixture = std::make_unique<ModuleFixture>();
    QVERIFY(m_fixture->isValid());
}

void TestLayout::cleanupTestCase() { m_fixture.reset(); }

void TestLayout::init() { ModuleFixture::reports().clear(); }

void TestLayout::cleanup()
{
    m_form.reset();
    const QStringList& reports = ModuleFixture::reports();
    QVERIFY2(reports.isEmpty(), qPrintable(reports.join(QLatin1Char('\n'))));
}

void TestLayout::kinds()
{
    QTest::addColumn<WindowKind>("kind");
    for (const auto& k : kKinds)
        QTest::newRow(k.name) << k.kind;
}

QWidget* TestLayout::open(QSize size)
{
    QFETCH(WindowKind, kind);
    m_form.reset(createBrowseWindow(kind, m_host));
    if (!m_form)
        return nullptr;
    m_form->setAttribute(Qt::WA_DeleteOnClose, false);
    m_form->resize(size);
    m_form->show();
    if (!QTest::qWaitForWindowExposed(m_form.get()))
        return nullptr;
    QCoreApplication::processEvents();
    return m_form.get();
}

void TestLayout::stripsStandOverTheirColumns()
{
    // Wide enough for every column, then so narrow that every grid scrolls sideways.
    for (const QSize size : {QSize(1500, 800), QSize(420, 600)}) {
        QWidget* form = open(size);
        if (!form)
            QSKIP("this window is not part of the build");
        int strips = 0;
        QStringList faults;
        onEveryPage(*form, [&] {
            for (HeaderStrip* strip : form->findChildren<HeaderStrip*>()) {
                if (!strip->isVisible())
                    continue;
                ++strips;
                faults += misalignments(*strip);
                QScrollBar* sideways = strip->grid()->horizontalScrollBar();
                if (sideways->maximum() > 0) {
                    sideways->setValue(sideways->maximum() / 2 + 1);
                    faults += misalignments(*strip);
                    sideways->setValue(sideways->maximum());
                    faults += misalignments(*strip);
                    sideways->setValue(0);
                }
            }
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        if (form->findChildren<HeaderStrip*>().isEmpty())
            continue;
        QVERIFY(strips > 0);
    }
}

void TestLayout::selectingARowNeverScrollsSideways()
{
    QWidget* form = open(QSize(420, 600));
    if (!form)
        QSKIP("this window is not part of the build");
    QStringList faults;
    onEveryPage(*form, [&] {
        for (DbGrid* grid : shownGrids(*form)) {
            if (grid->selectionBehavior() != QAbstractItemView::SelectRows || grid->model()->rowCount() < 2)
                continue;
            QScrollBar* sideways = grid->horizontalScrollBar();
            sideways->setValue(0);
            // A click on the column cut at the right edge, the keyboard, and a move of the dataset.
            const QRect second = grid->visualRect(grid->model()->index(1, 0));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(grid->viewport()->width() - 3, second.center().y()));
            QTest::keyClick(grid, Qt::Key_Down);
            if (Dataset* rows = grid->dataset())
                guarded([&] { rows->moveTo(rows->recordCount() - 1); });
            if (sideways->value() != 0)
                faults << QStringLiteral("%1 scrolled sideways to %2").arg(nameOf(grid)).arg(sideways->value());
        }
    });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    // The monster list shows its columns whole, with no sideways scroll at all.
    if (auto* monsters = form->findChild<DbGrid*>(QStringLiteral("DBGrid1")); monsters && form->objectName() == QLatin1String("MonstersForm")) {
        QCOMPARE(monsters->horizontalScrollBar()->maximum(), 0);
        QVERIFY(!monsters->horizontalScrollBar()->isVisible());
    }
}

void TestLayout::nothingOverlapsInTheNarrowestTile()
{
    QWidget* form = open(QSize(1000, 700));
    if (!form)
        QSKIP("this window is not part of the build");
    // Parts that keep their width in a wide window keep it in a narrow one.
    QMap<QWidget*, int> fixedWidths;
    for (QWidget* w : form->findChildren<QWidget*>())
        if (w->minimumWidth() == w->maximumWidth() && w->minimumWidth() > 100)
            fixedWidths[w] = w->width();
    form->resize(kNarrowestTile);
    QCoreApplication::processEvents();
    QStringList faults;
    onEveryPage(*form, [&] {
        faults += overlaps(*form);
        for (auto it = fixedWidths.cbegin(); it != fixedWidths.cend(); ++it)
            if (it.key()->isVisible() && it.key()->width() != it.value())
                faults << QStringLiteral("%1 is %2 wide, not %3").arg(nameOf(it.key())).arg(it.key()->width()).arg(it.value());
    });
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestLayout::currentRowIsHighlightedFromTheStart()
{
    QWidget* form = open(QSize(1000, 700));
    if (!form)
        QSKIP("this window is not part of the build");
    QStringList faults;
    onEveryPage(*form, [&] {
        for (DbGrid* grid : shownGrids(*form)) {
            Dataset* rows = grid->dataset();
            if (!rows || !rows->isOpen() || grid->model()->rowCount() == 0 || rows->recNo() < 0)
                continue;
            const QModelIndex current = grid->currentIndex();
            if (!current.isValid() || current.row() != rows->recNo()) {
                faults << QStringLiteral("%1 has no current cell on row %2").arg(nameOf(grid)).arg(rows->recNo());
                continue;
            }
            if (!grid->selectionModel()->isSelected(current))
                faults << QStringLiteral("%1 does not select its current cell").arg(nameOf(grid));
            // The picture cell is always white: a current cell there would show nothing.
            if (grid->selectionBehavior() != QAbstractItemView::SelectRows && current.column() == iconColumnOf(*grid))
                faults << QStringLiteral("%1 starts on its picture column").arg(nameOf(grid));
        }
    });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// The fixture's trees are one level deep; a tree four levels deep with a choice of recipe, in a
// wide window and in the narrowest tile: nothing drawn over another, every choice box inside
// its tree's view and on its row.
void TestLayout::aDeepCraftingTreeInTheNarrowestTile()
{
    TinyDb tiny((std::string(gen::schemaText()) + kCraftingRows).c_str());
    TDBModule module;
    module.DataModuleCreate(tiny.folder());
    TDBModule* fixtureModule = DBModule;
    DBModule = &module;
    m_form.reset(createBrowseWindow(WindowKind::Recipes, m_host));
    DBModule = fixtureModule;
    QVERIFY(m_form);
    m_form->setAttribute(Qt::WA_DeleteOnClose, false);
    m_form->resize(1000, 700);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    auto* page = m_form->findChild<CraftingTreePage*>();
    QVERIFY(page);
    auto* pages = m_form->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    pages->setCurrentIndex(pages->indexOf(page->parentWidget()->parentWidget()));
    QVERIFY(WindowPlace::of(m_form.get())->show({QStringLiteral("5"), QStringLiteral("100")}));
    QCoreApplication::processEvents();
    QCOMPARE(page->plan().depth(), 4);
    for (const QSize size : {QSize(1000, 700), kNarrowestTile}) {
        m_form->resize(size);
        QCoreApplication::processEvents();
        QStringList faults = overlaps(*m_form);
        const QList<QComboBox*> choices = page->tree()->viewport()->findChildren<QComboBox*>();
        QCOMPARE(choices.size(), 2);
        for (QComboBox* choice : choices) {
            const QRect row = page->tree()->visualItemRect(page->tree()->itemAt(choice->geometry().center()));
            if (!row.contains(choice->geometry().center()) || choice->height() > row.height())
                faults << QStringLiteral("%1 %2 is not on its row %3").arg(nameOf(choice), rectText(choice->geometry()), rectText(row));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"

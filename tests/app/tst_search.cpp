// "Find anything" on the program's own main window over the fixture: the shortcut puts the
// keyboard in the field; typing lists the hits grouped by kind ("Searching..." until the index is
// built); Up, Down and Enter, or a click, open the right window on the right row for one hit of
// each kind; "n more..." shows a kind whole; Escape closes; a write of the maintenance window
// makes the search read again; the field keeps out of the tool bar's and the banner's way, and a
// narrow frame folds it into a button whose drop-down brings its own input line.

#include "app/GlobalSearch.h"
#include "app/MainForm.h"
#include "app/SearchResultsModel.h"
#include "app/Startup.h"
#include "app/TavrinApplication.h"
#include "data/DBModule.h"
#include "data/Dataset.h"
#include "data/SearchIndexLoader.h"
#include "panes/WindowPlace.h"
#include "tools/gendb/Fixture.h"
#include "tools/gendb/Generator.h"

#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <sqlite3.h>

Q_DECLARE_METATYPE(WindowKind)

namespace {
QString n(int id) { return QString::number(id); }
}

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void typingBeforeTheIndexIsReadySaysSo();
    void shortcutFocusesTheField();
    void typingListsHitsGroupedByKind();
    void enterOpensTheRightWindowOnTheRightRow_data();
    void enterOpensTheRightWindowOnTheRightRow();
    void aClickOpensAndEscapeCloses();
    void moreShowsAKindWhole();
    void aWriteMakesTheSearchReadAgain();
    void thePointerChoosesAndKeysScrollUnderIt();
    void theFieldKeepsOutOfTheWay();
    void aNarrowFrameFoldsTheFieldIntoAButton();

private:
    QLineEdit* field() const { return MainForm->findChild<QLineEdit*>(QStringLiteral("SearchField")); }
    QListView* list() const { return MainForm->findChild<QListView*>(QStringLiteral("SearchResults")); }
    SearchResultsModel* model() const { return qobject_cast<SearchResultsModel*>(list()->model()); }
    QWidget* popup() const { return MainForm->findChild<QWidget*>(QStringLiteral("SearchPopup")); }
    GlobalSearch* search() const { return MainForm->findChild<GlobalSearch*>(); }

    void type(QWidget* edit, const QString& text)
    {
        static_cast<QLineEdit*>(edit)->clear();
        QTest::keyClicks(edit, text);
    }
    // The rows as "Heading" / "  hit" / "  n more...", read from the list's model.
    QStringList rows() const
    {
        QStringList out;
        for (int row = 0; row < model()->rowCount(); ++row) {
            const QString text = model()->index(row, 0).data().toString();
            out << (model()->type(row) == SearchResultsModel::Heading ? text : QStringLiteral("  ") + text);
        }
        return out;
    }
    // Where the windowing system's keys go: to the open drop-down's focus widget (or to the
    // drop-down itself), else to the focus widget.
    QWidget* keyReceiver() const
    {
        if (QWidget* open = QApplication::activePopupWidget())
            return open->focusWidget() ? open->focusWidget() : open;
        return QApplication::focusWidget();
    }
    bool ready() const { return model()->type(0) != SearchResultsModel::News || !rows().first().contains(QStringLiteral("Searching")); }
    QWidget* activeForm() const
    {
        QMdiSubWindow* child = MainForm->clientArea()->activeSubWindow();
        return child ? child->widget() : nullptr;
    }

    QTemporaryDir m_dir;
};

void TestSearch::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString db = m_dir.filePath(QStringLiteral("gd.mdb"));
    gen::generateFixture(db, m_dir.filePath(QStringLiteral("images")));
    // A monster whose internal name shares no word with its shown one.
    sqlite3* handle = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(db).constData(), &handle), SQLITE_OK);
    QString sql = QStringLiteral("UPDATE monsters SET name = 'pine_stalker_b' WHERE id = %1;").arg(fixture::kRanger);
    // More quests of one word than a kind lists before "n more...".
    for (int i = 1; i <= 8; ++i)
        sql += QStringLiteral("INSERT INTO questnames VALUES (%1, 'Ogre Hunt %2', '');").arg(100 + i).arg(i);
    QCOMPARE(sqlite3_exec(handle, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(handle);

    startTavrin(m_dir.path() + QLatin1Char('/'));
    MainForm->resize(1400, 800);
    MainForm->show();
    QVERIFY(QTest::qWaitForWindowActive(MainForm));
}

void TestSearch::cleanupTestCase()
{
    // The program ends while the index is being read again: the read stops and its thread ends.
    auto* loader = MainForm->findChild<SearchIndexLoader*>();
    DBModule->ADOConnection1.noteWrite();
    search()->prepare();
    QVERIFY(loader->loading());
    stopTavrin();
    QVERIFY(!MainForm);
}

void TestSearch::init()
{
    // The drop-down is made on first use.
    if (QWidget* open = popup())
        open->hide();
    for (QMdiSubWindow* child : MainForm->clientArea()->subWindowList())
        delete child;
    if (MainForm->width() != 1400)
        MainForm->resize(1400, 800);
    QTRY_VERIFY(!search()->folded());
    field()->clear();
}

void TestSearch::typingBeforeTheIndexIsReadySaysSo()
{
    // The first test runs before the build's delay has passed: typing starts the build.
    auto* loader = MainForm->findChild<SearchIndexLoader*>();
    QVERIFY(loader);
    field()->setFocus();
    type(field(), QStringLiteral("ore"));
    QVERIFY(popup()->isVisible());
    QVERIFY(loader->loading());
    QCOMPARE(rows(), QStringList({QStringLiteral("  Searching\u2026")}));
    QTRY_VERIFY(ready());
    QCOMPARE(rows(), QStringList({"Misc Items", "  Iron Ore"}));
}

void TestSearch::shortcutFocusesTheField()
{
    MainForm->openWindow(WindowKind::Weapons);
    auto* find = activeForm()->findChild<QLineEdit*>();
    QVERIFY(find);
    find->setFocus();
    QTRY_VERIFY(find->hasFocus());
    field()->setText(QStringLiteral("oak"));
    QTest::keyClick(find, Qt::Key_K, Qt::ControlModifier);
    QTRY_VERIFY(field()->hasFocus());
    // The text is selected to be typed over.
    QCOMPARE(field()->selectedText(), QStringLiteral("oak"));
    // The window's own box kept nothing of the key.
    QCOMPARE(find->text(), QString());
    QTRY_VERIFY(popup()->isVisible());
    QTest::keyClicks(field(), QStringLiteral("valor"));
    QCOMPARE(field()->text(), QStringLiteral("valor"));
    QTest::keyClick(field(), Qt::Key_Escape);
    QVERIFY(!popup()->isVisible());

    find->setFocus();
    QTRY_VERIFY(find->hasFocus());
    QTest::keyClick(find, Qt::Key_F3);
    QTRY_VERIFY(field()->hasFocus());
}

void TestSearch::typingListsHitsGroupedByKind()
{
    field()->setFocus();
    type(field(), QStringLiteral("blackwood"));
    QTRY_VERIFY(ready());
    QCOMPARE(rows(), QStringList({"Armor", "  Blackwood Breastplate", "  Blackwood Gaiters", "  Blackwood Helm",
                                  "Sets", "  Blackwood Battle Set", "Recipes", "  Blackwood Helm", "Monsters",
                                  "  Blackwood Ranger"}));
    // The best hit is the choice.
    QCOMPARE(list()->currentIndex().row(), 1);
    const QModelIndex ranger = model()->index(9, 0);
    QCOMPARE(ranger.data(SearchResultsModel::DetailRole).toString(), QStringLiteral("Lv 20"));
    QVERIFY(ranger.data(SearchResultsModel::OtherNameRole).toString().isEmpty());
    QCOMPARE(model()->index(2, 0).data(SearchResultsModel::IconRole).toString(), QStringLiteral("armor_lower_01"));

    // Several words, in any case and order; a monster by its internal name, which shows with it.
    type(field(), QStringLiteral("HELM black"));
    QCOMPARE(rows(), QStringList({"Armor", "  Blackwood Helm", "Recipes", "  Blackwood Helm"}));
    type(field(), QStringLiteral("stalker"));
    QCOMPARE(rows(), QStringList({"Monsters", "  Blackwood Ranger"}));
    QCOMPARE(model()->index(1, 0).data(SearchResultsModel::OtherNameRole).toString(), QStringLiteral("pine_stalker_b"));
    type(field(), QStringLiteral("zzz"));
    QCOMPARE(rows(), QStringList({QStringLiteral("  No matches for \u201czzz\u201d")}));
    field()->clear();
    QTest::keyClick(field(), Qt::Key_Backspace);
    type(field(), QStringLiteral("x"));
    QTest::keyClick(field(), Qt::Key_Backspace);
    // An empty field shows nothing.
    QVERIFY(!popup()->isVisible());
}

void TestSearch::enterOpensTheRightWindowOnTheRightRow_data()
{
    using namespace fixture;
    QTest::addColumn<QString>("text");
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<PlaceKey>("key");
    QTest::addColumn<QString>("window");
    QTest::newRow("weapon") << "valor" << WindowKind::Weapons << PlaceKey{n(kSwordOfValor)} << "Weapons";
    QTest::newRow("armor") << "wanderer" << WindowKind::Armor << PlaceKey{n(kWanderersBoots)} << "Armor";
    QTest::newRow("accessory") << "tides" << WindowKind::Accessories << PlaceKey{n(kRingOfTides)} << "Accesories";
    QTest::newRow("misc item") << "collar" << WindowKind::Items << PlaceKey{n(kWolfCollar)} << "Items";
    QTest::newRow("monster") << "ashen" << WindowKind::Monsters << PlaceKey{n(kAshenGhoul)} << "Monsters";
    QTest::newRow("set") << "regalia" << WindowKind::Sets << PlaceKey{n(kMoonweaveSet)} << "Sets";
    QTest::newRow("recipe") << "oak staff" << WindowKind::Recipes << PlaceKey{n(kElderOakStaff), "60"} << "Recipes";
    QTest::newRow("quest") << "caravan" << WindowKind::Quests << PlaceKey{n(kLostCaravan)} << "Quests";
    QTest::newRow("skill") << "mending" << WindowKind::Skills << PlaceKey{n(kPaladin), "4", "1"} << "Skils";
}

void TestSearch::enterOpensTheRightWindowOnTheRightRow()
{
    QFETCH(QString, text);
    QFETCH(WindowKind, kind);
    QFETCH(PlaceKey, key);
    QFETCH(QString, window);
    field()->setFocus();
    type(field(), text);
    QTRY_VERIFY(ready());
    // Walk down to the hit with the arrow keys, as the user does; headings are stepped over.
    // A skill's hit names the skill alone; the window finds its node.
    PlaceKey searched = key;
    if (kind == WindowKind::Skills)
        searched = {QString(), key[1], QString()};
    int wanted = -1;
    for (int row = 0; row < model()->rowCount() && wanted < 0; ++row)
        if (model()->type(row) == SearchResultsModel::Hit && model()->kind(row) == kind && model()->key(row) == searched)
            wanted = row;
    QVERIFY2(wanted >= 0, qPrintable(rows().join(QLatin1Char('/'))));
    QTest::keyClick(field(), Qt::Key_Up);
    // Nothing above the first hit.
    QCOMPARE(list()->currentIndex().row(), model()->firstHit());
    while (list()->currentIndex().row() < wanted) {
        const int before = list()->currentIndex().row();
        QTest::keyClick(field(), Qt::Key_Down);
        QVERIFY(list()->currentIndex().row() > before);
        QVERIFY(model()->type(list()->currentIndex().row()) != SearchResultsModel::Heading);
    }
    QCOMPARE(list()->currentIndex().row(), wanted);
    QTest::keyClick(field(), Qt::Key_Return);

    QVERIFY(!popup()->isVisible());
    QWidget* form = activeForm();
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), window);
    WindowPlace* place = WindowPlace::of(form);
    QVERIFY(place);
    QCOMPARE(place->kind(), kind);
    QCOMPARE(place->key(), key);
}

void TestSearch::aClickOpensAndEscapeCloses()
{
    field()->setFocus();
    type(field(), QStringLiteral("frost"));
    QTRY_VERIFY(ready());
    QVERIFY(popup()->isVisible());
    QTest::keyClick(field(), Qt::Key_Escape);
    QVERIFY(!popup()->isVisible());
    QCOMPARE(field()->text(), QStringLiteral("frost"));
    QVERIFY(MainForm->clientArea()->subWindowList().isEmpty());
    // Down opens the list again, Enter too.
    QTest::keyClick(field(), Qt::Key_Down);
    QVERIFY(popup()->isVisible());

    const int row = int(rows().indexOf(QStringLiteral("  Frost Drake")));
    QVERIFY(row > 0);
    const QRect cell = list()->visualRect(model()->index(row, 0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(!popup()->isVisible());
    QVERIFY(activeForm());
    QCOMPARE(WindowPlace::of(activeForm())->key(), PlaceKey{n(fixture::kFrostDrake)});
    // A click on a heading opens nothing.
    field()->setFocus();
    QTest::keyClick(field(), Qt::Key_Down);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualRect(model()->index(0, 0)).center());
    QCOMPARE(MainForm->clientArea()->subWindowList().size(), 1);
}

void TestSearch::moreShowsAKindWhole()
{
    // More ogre quests than a kind lists (initTestCase adds them).
    field()->setFocus();
    type(field(), QStringLiteral("ogre"));
    QTRY_VERIFY(ready());
    int more = -1;
    for (int row = 0; row < model()->rowCount() && more < 0; ++row)
        if (model()->type(row) == SearchResultsModel::More)
            more = row;
    QVERIFY2(more > 0, qPrintable(rows().join(QLatin1Char('/'))));
    const WindowKind kind = model()->kind(more);
    const int total = model()->index(more - GlobalSearch::kHitsPerKind - 1, 0).data(SearchResultsModel::CountRole).toInt();
    QVERIFY(total > GlobalSearch::kHitsPerKind);
    while (list()->currentIndex().row() != more)
        QTest::keyClick(field(), Qt::Key_Down);
    QTest::keyClick(field(), Qt::Key_Return);
    QVERIFY(popup()->isVisible());
    int shown = 0;
    for (int row = 0; row < model()->rowCount(); ++row)
        if (model()->type(row) == SearchResultsModel::Hit && model()->kind(row) == kind)
            ++shown;
    QCOMPARE(shown, total);
    // The first hit that was cut is the choice.
    QCOMPARE(list()->currentIndex().row(), more);
    QCOMPARE(model()->type(more), SearchResultsModel::Hit);
}

void TestSearch::aWriteMakesTheSearchReadAgain()
{
    field()->setFocus();
    type(field(), QStringLiteral("tides"));
    QTRY_VERIFY(ready());
    QCOMPARE(rows(), QStringList({"Accesories", "  Ring of Tides"}));
    popup()->hide();

    // The maintenance window renames the ring and posts the row.
    MainForm->openWindow(WindowKind::DbMaintain);
    Dataset* names = activeForm()->findChild<Dataset*>(QStringLiteral("ADOItemsName"));
    QVERIFY(names);
    QVERIFY(names->locate(QStringLiteral("id"), n(fixture::kRingOfTides), CaseInsensitive | PartialKey));
    names->setFieldText(QStringLiteral("name"), QStringLiteral("Ring of Ebb"));
    names->post();

    field()->setFocus();
    type(field(), QStringLiteral("ebb"));
    // The index is stale after the write.
    QCOMPARE(rows(), QStringList({QStringLiteral("  Searching\u2026")}));
    QTRY_VERIFY(ready());
    QCOMPARE(rows(), QStringList({"Accesories", "  Ring of Ebb"}));
    type(field(), QStringLiteral("tides"));
    QCOMPARE(rows(), QStringList({QStringLiteral("  No matches for \u201ctides\u201d")}));
}

void TestSearch::thePointerChoosesAndKeysScrollUnderIt()
{
    field()->setFocus();
    type(field(), QStringLiteral("o"));
    QTRY_VERIFY(ready());
    // Every kind of "o" whole: more rows than the drop-down shows at once.
    for (int row = 0; row < model()->rowCount(); ++row)
        if (model()->type(row) == SearchResultsModel::More) {
            while (list()->currentIndex().row() != row)
                QTest::keyClick(field(), Qt::Key_Down);
            QTest::keyClick(field(), Qt::Key_Return);
        }
    QVERIFY(list()->verticalScrollBar()->maximum() > 0);
    const int hovered = list()->indexAt(QPoint(10, list()->viewport()->height() - 3)).row();
    QTest::mouseMove(list()->viewport(), QPoint(10, list()->viewport()->height() - 3));
    QTRY_COMPARE(list()->currentIndex().row(), hovered);
    // Keys scroll the list under the resting pointer; the choice follows the keys.
    for (int row = hovered; model()->nextChoice(row, 1) != row;) {
        row = model()->nextChoice(row, 1);
        QTest::keyClick(field(), Qt::Key_Down);
        QCOMPARE(list()->currentIndex().row(), row);
    }
    QCOMPARE(list()->verticalScrollBar()->value(), list()->verticalScrollBar()->maximum());
    QTest::keyClick(field(), Qt::Key_Escape);
}

void TestSearch::theFieldKeepsOutOfTheWay()
{
    QWidget* panel = MainForm->findChild<QWidget*>(QStringLiteral("Panel1"));
    QWidget* toolBar = MainForm->findChild<QWidget*>(QStringLiteral("ToolBar2"));
    QWidget* banner = MainForm->findChild<QWidget*>(QStringLiteral("ShockwaveFlash1"));
    for (int width : {850, 900, 1000, 1100, 1400, 1920}) {
        MainForm->resize(width, 700);
        QTRY_COMPARE(MainForm->width(), width);
        QRect place = search()->geometry();
        QVERIFY2(panel->contentsRect().contains(place), qPrintable(QStringLiteral("cut at %1").arg(width)));
        QVERIFY(!place.intersects(toolBar->geometry()));
        QVERIFY(!place.intersects(banner->geometry()));
        QCOMPARE(banner->pos(), QPoint(448, 2));
        // The back and forward buttons stand where both fit; the search never gives way.
        QWidget* history = MainForm->findChild<QWidget*>(QStringLiteral("HistoryBar"));
        QCOMPARE(history->isVisible(), width >= 1000);
        if (history->isVisible()) {
            QVERIFY(panel->contentsRect().contains(history->geometry()));
            QVERIFY(!place.intersects(history->geometry()));
            QVERIFY(!history->geometry().intersects(banner->geometry()));
        }
        QCOMPARE(search()->folded(), width < 1100);
        QWidget* shown = search()->folded() ? static_cast<QWidget*>(search()->findChild<QToolButton*>())
                                            : static_cast<QWidget*>(field());
        QVERIFY(shown->isVisible());
        QVERIFY(shown->width() >= (search()->folded() ? 16 : 150));
    }
}

void TestSearch::aNarrowFrameFoldsTheFieldIntoAButton()
{
    MainForm->resize(850, 600);
    QTRY_VERIFY(search()->folded());
    QVERIFY(!field()->isVisible());
    QTest::keyClick(MainForm, Qt::Key_K, Qt::ControlModifier);
    QTRY_VERIFY(popup()->isVisible());
    auto* input = popup()->findChild<QLineEdit*>(QStringLiteral("SearchPopupInput"));
    QVERIFY(input->isVisible());
    QTRY_VERIFY(input->hasFocus());
    QVERIFY(rows().first().startsWith(QStringLiteral("  Type a word")));
    QTest::keyClicks(input, QStringLiteral("regalia"));
    QTRY_VERIFY(ready());
    QCOMPARE(rows(), QStringList({"Sets", "  Moonweave Regalia"}));
    // The drop-down stays inside the screen and under the frame's right edge.
    QVERIFY(popup()->screen()->availableGeometry().contains(popup()->geometry()));
    QTest::keyClick(input, Qt::Key_Return);
    QVERIFY(!popup()->isVisible());
    QCOMPARE(WindowPlace::of(activeForm())->key(), PlaceKey{n(fixture::kMoonweaveSet)});
    // The button opens it as well, with the text typed before.
    QTest::mouseClick(search()->findChild<QToolButton*>(), Qt::LeftButton);
    QTRY_VERIFY(popup()->isVisible());
    QCOMPARE(input->text(), QStringLiteral("regalia"));
    QTest::keyClick(input, Qt::Key_Escape);
    QVERIFY(!popup()->isVisible());

    // Wide again: keys reach the field, wherever the open drop-down sends them.
    MainForm->resize(1400, 800);
    QTRY_VERIFY(!search()->folded());
    QTest::keyClick(MainForm, Qt::Key_K, Qt::ControlModifier);
    QTRY_VERIFY(popup()->isVisible());
    QVERIFY(!input->isVisible());
    QTest::keyClicks(keyReceiver(), QStringLiteral("caravan"));
    QCOMPARE(field()->text(), QStringLiteral("caravan"));
    QCOMPARE(rows(), QStringList({"Quests", "  The Lost Caravan"}));
    QTest::keyClick(keyReceiver(), Qt::Key_Escape);
    QVERIFY(!popup()->isVisible());
}

int main(int argc, char** argv)
{
    TavrinApplication app(argc, argv);
    TestSearch test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_search.moc"

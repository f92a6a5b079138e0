// Getting around the frame with the program's own windows over the fixture: back and forward
// after a jump (keys from inside a child window, the tool buttons, the mouse's side buttons), a
// closed window opened again on its row, the Window menu's list of windows, and copying from a
// grid's context menu and key.

#include "app/MainForm.h"
#include "app/Startup.h"
#include "app/TavrinApplication.h"
#include "app/WindowList.h"
#include "browse/DbGrid.h"
#include "browse/EditGrid.h"
#include "data/Dataset.h"
#include "panes/WindowPlace.h"
#include "tools/gendb/Fixture.h"
#include "tools/gendb/Generator.h"
#include "windows/Accesories.h"
#include "windows/Monsters.h"
#include "windows/Weapons.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

template <typename T> T* part(QObject& form, const char* name)
{
    T* found = form.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no component %s", name);
    return found;
}

QAction* frameAction(const char* name) { return part<QAction>(*MainForm, name); }

QWidget* activeForm()
{
    QMdiSubWindow* active = MainForm->clientArea()->activeSubWindow();
    return active ? active->widget() : nullptr;
}

PlaceKey keyOf(QWidget* form)
{
    WindowPlace* place = form ? WindowPlace::of(form) : nullptr;
    return place ? place->key() : PlaceKey{};
}

PlaceKey key(int id) { return {QString::number(id)}; }

// A click on a grid row, as the user does it.
void clickRow(DbGrid& grid, int row)
{
    grid.scrollTo(grid.model()->index(row, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(row, 1)).center());
}

int rowOf(Dataset& d, const char* field, int id)
{
    const int column = d.fieldIndexOrThrow(QLatin1String(field));
    for (int row = 0; row < d.recordCount(); ++row)
        if (d.value(row, column).toInteger() == id)
            return row;
    return -1;
}

template <typename Form> int countOf()
{
    int n = 0;
    for (QMdiSubWindow* w : MainForm->clientArea()->subWindowList())
        n += qobject_cast<Form*>(w->widget()) != nullptr && !w->isHidden();
    return n;
}

// A weapons window on a weapon, picked with a click in its list.
QWidget* weaponsOn(int weapon)
{
    QWidget* form = MainForm->openWindow(WindowKind::Weapons);
    auto* list = part<DbGrid>(*form, "DBGrid1");
    clickRow(*list, rowOf(*list->dataset(), "id", weapon));
    return form;
}

// The key of the frame's shortcut, pressed where the focus is.
void press(QWidget* focus, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::AltModifier)
{
    focus->setFocus();
    QTest::keyClick(focus, key, modifiers);
}

QStringList windowListTexts()
{
    QStringList out;
    for (QAction* a : part<QMenu>(*MainForm, "Window1")->actions())
        if (a->objectName().startsWith(QLatin1String("WindowListItem")))
            out << a->text();
    return out;
}

QString checkedListEntry()
{
    for (QAction* a : part<QMenu>(*MainForm, "Window1")->actions())
        if (a->objectName().startsWith(QLatin1String("WindowListItem")) && a->isChecked())
            return a->text();
    return {};
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        gen::generateFixture(m_dir.filePath(QStringLiteral("gd.mdb")), m_dir.filePath(QStringLiteral("images")));
    }
    // Each case starts the program afresh: a history of its own.
    void init()
    {
        startTavrin(m_dir.path() + QLatin1Char('/'));
        MainForm->resize(1300, 800);
        MainForm->show();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
    }
    void cleanup() { stopTavrin(); }

    void backAndForwardAfterAJump();
    void aClosedWindowOpensAgainOnItsRow();
    void windowMenuListsTheWindows();
    void gridsCopyNameAndRow();

private:
    QTemporaryDir m_dir;
};

void TestHistory::backAndForwardAfterAJump()
{
    using namespace fixture;
    QWidget* weapons = weaponsOn(kSwordOfValor);
    QCOMPARE(keyOf(weapons), key(kSwordOfValor));

    // The Drop Info grid's double-click opens the monster that drops the weapon.
    auto* drops = part<DbGrid>(*weapons, "DBGrid5");
    part<QTabWidget>(*weapons, "PageControl1")->setCurrentIndex(1);
    clickRow(*drops, 0);
    const PlaceKey monster = {drops->dataset()->asText(QStringLiteral("id"))};
    QTest::mouseDClick(drops->viewport(), Qt::LeftButton, {}, drops->visualRect(drops->model()->index(0, 1)).center());
    QWidget* monsters = activeForm();
    QVERIFY(qobject_cast<TMonstersForm*>(monsters));
    QCOMPARE(keyOf(monsters), monster);

    QAction* back = frameAction("BackAction");
    QAction* forward = frameAction("ForwardAction");
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());
    QCOMPARE(back->toolTip(), QStringLiteral("Back to Weapons \u2014 Sword of Valor (Alt+Left)"));
    QCOMPARE(part<QToolButton>(*MainForm, "BackButton")->toolTip(), back->toolTip());

    // Alt+Left from the monster list, a control of the child window, reaches the frame.
    auto* monsterList = part<DbGrid>(*monsters, "DBGrid1");
    press(monsterList, Qt::Key_Left);
    QCOMPARE(activeForm(), weapons);
    QCOMPARE(keyOf(weapons), key(kSwordOfValor));
    QVERIFY(!back->isEnabled());
    QVERIFY(forward->isEnabled());

    // Alt+Right from the focused quick-find field: the field keeps its text and the key goes on.
    auto* find = part<QLineEdit>(*weapons, "Edit1");
    find->setText(QStringLiteral("sw"));
    find->setCursorPosition(1);
    press(find, Qt::Key_Right);
    QCOMPARE(activeForm(), monsters);
    QCOMPARE(find->text(), QStringLiteral("sw"));
    QCOMPARE(find->cursorPosition(), 1);

    // Back through the tool button, then forward with the mouse's side button; moving through
    // the weapon list in between is no jump, and going back restores the weapon's row.
    QTest::mouseClick(part<QToolButton>(*MainForm, "BackButton"), Qt::LeftButton);
    QCOMPARE(activeForm(), weapons);
    auto* weaponList = part<DbGrid>(*weapons, "DBGrid1");
    clickRow(*weaponList, rowOf(*weaponList->dataset(), "id", kDragonsFang));
    QVERIFY(!back->isEnabled());
    QTest::mousePress(weaponList->viewport(), Qt::ForwardButton, {}, QPoint(5, 5));
    QCOMPARE(activeForm(), monsters);
    QTest::mousePress(monsterList->viewport(), Qt::BackButton, {}, QPoint(5, 5));
    QCOMPARE(activeForm(), weapons);
    QCOMPARE(keyOf(weapons), key(kDragonsFang));

    // A switch is a place too: Ctrl+Tab to the monsters window keeps the weapon, and a new
    // place forgets what lay ahead.
    press(weaponList, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(activeForm(), monsters);
    QVERIFY(!forward->isEnabled());
    QCOMPARE(back->toolTip(), QStringLiteral("Back to Weapons \u2014 Dragon's Fang (Alt+Left)"));
    press(monsterList, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(activeForm(), weapons);
    // The user moves on in the weapon list; two steps back find the weapon left before.
    clickRow(*weaponList, rowOf(*weaponList->dataset(), "id", kSwordOfValor));
    press(weaponList, Qt::Key_Left);
    QCOMPARE(activeForm(), monsters);
    press(monsterList, Qt::Key_Left);
    QCOMPARE(activeForm(), weapons);
    QCOMPARE(keyOf(weapons), key(kDragonsFang));
    // Going back kept nothing new: nothing further back, and two steps ahead.
    QVERIFY(!back->isEnabled());
    press(weaponList, Qt::Key_Right);
    QCOMPARE(activeForm(), monsters);
    press(monsterList, Qt::Key_Right);
    QCOMPARE(activeForm(), weapons);
    QCOMPARE(keyOf(weapons), key(kSwordOfValor));
    QVERIFY(!forward->isEnabled());
    QCOMPARE(MainForm->clientArea()->subWindowList().size(), 2);
}

void TestHistory::aClosedWindowOpensAgainOnItsRow()
{
    using namespace fixture;
    QWidget* weapons = weaponsOn(kDragonsFang);
    // The monsters command leaves the weapon for the monsters window.
    press(part<DbGrid>(*weapons, "DBGrid1"), Qt::Key_N, Qt::ControlModifier);
    QWidget* monsters = activeForm();
    QVERIFY(qobject_cast<TMonstersForm*>(monsters));
    auto* monsterList = part<DbGrid>(*monsters, "DBGrid1");
    clickRow(*monsterList, rowOf(*monsterList->dataset(), "M.id", kRanger));

    qobject_cast<QMdiSubWindow*>(weapons->parentWidget())->close();
    QTRY_COMPARE(countOf<TWeaponForm>(), 0);
    QCOMPARE(activeForm(), monsters);
    QVERIFY(frameAction("BackAction")->isEnabled());

    press(monsterList, Qt::Key_Left);
    QCOMPARE(countOf<TWeaponForm>(), 1);
    QWidget* reopened = activeForm();
    QVERIFY(qobject_cast<TWeaponForm*>(reopened));
    QCOMPARE(keyOf(reopened), key(kDragonsFang));

    // Forward returns to the monster; back again finds the window just opened, not a third.
    press(part<DbGrid>(*reopened, "DBGrid1"), Qt::Key_Right);
    QCOMPARE(activeForm(), monsters);
    QCOMPARE(keyOf(monsters), key(kRanger));
    press(monsterList, Qt::Key_Left);
    QCOMPARE(activeForm(), reopened);
    QCOMPARE(countOf<TWeaponForm>(), 1);

    // Closing the window the user is in is no jump: it leaves no place behind.
    qobject_cast<QMdiSubWindow*>(reopened->parentWidget())->close();
    QTRY_COMPARE(countOf<TWeaponForm>(), 0);
    QCOMPARE(activeForm(), monsters);
    QVERIFY(!frameAction("BackAction")->isEnabled());
    QVERIFY(!frameAction("ForwardAction")->isEnabled());
}

void TestHistory::windowMenuListsTheWindows()
{
    using namespace fixture;
    QMenu* menu = part<QMenu>(*MainForm, "Window1");
    QVERIFY(windowListTexts().isEmpty());
    QVERIFY(!part<QAction>(*MainForm, "WindowListDivider")->isVisible());

    QWidget* weapons = weaponsOn(kSwordOfValor);
    QWidget* monsters = MainForm->openWindow(WindowKind::Monsters);
    auto* monsterList = part<DbGrid>(*monsters, "DBGrid1");
    clickRow(*monsterList, rowOf(*monsterList->dataset(), "M.id", kRanger));
    MainForm->openWindow(WindowKind::DbMaintain);
    QCOMPARE(windowListTexts(), (QStringList{QStringLiteral("&1 Weapons \u2014 Sword of Valor"),
                                             QStringLiteral("&2 Monsters \u2014 Blackwood Ranger"),
                                             QStringLiteral("&3 DB-List Maintainance")}));
    QCOMPARE(checkedListEntry(), QStringLiteral("&3 DB-List Maintainance"));
    QVERIFY(part<QAction>(*MainForm, "WindowListDivider")->isVisible());
    // The list comes after the window commands.
    const QList<QAction*> actions = menu->actions();
    QVERIFY(actions.indexOf(part<QAction>(*MainForm, "WindowArrangeItem")) <
            actions.indexOf(part<QAction>(*MainForm, "WindowListItem1")));

    // Choosing an entry activates its window; the check follows.
    part<QAction>(*MainForm, "WindowListItem1")->trigger();
    QCOMPARE(activeForm(), weapons);
    QCOMPARE(checkedListEntry(), QStringLiteral("&1 Weapons \u2014 Sword of Valor"));
    // The entry follows the window's row.
    auto* weaponList = part<DbGrid>(*weapons, "DBGrid1");
    clickRow(*weaponList, rowOf(*weaponList->dataset(), "id", kDragonsFang));
    QCOMPARE(windowListTexts().first(), QStringLiteral("&1 Weapons \u2014 Dragon's Fang"));

    // The menu as the user opens it shows the entries; closing a window renumbers the rest.
    menu->popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->close();
    qobject_cast<QMdiSubWindow*>(monsters->parentWidget())->close();
    QTRY_COMPARE(windowListTexts(), (QStringList{QStringLiteral("&1 Weapons \u2014 Dragon's Fang"),
                                                 QStringLiteral("&2 DB-List Maintainance")}));

    // An ampersand in a name is shown, not taken for an access key.
    QCOMPARE(windowListText(3, QStringLiteral("Salt & Pepper")), QStringLiteral("&3 Salt && Pepper"));

    // From the tenth window on the entries carry no access key.
    for (int i = 0; i < 8; ++i)
        MainForm->openWindow(WindowKind::Quests);
    const QStringList texts = windowListTexts();
    QCOMPARE(texts.size(), 10);
    QVERIFY(texts[8].startsWith(QStringLiteral("&9 Quests \u2014 ")));
    QVERIFY(texts[9].startsWith(QStringLiteral("10 Quests \u2014 ")));
    QCOMPARE(checkedListEntry(), texts[9]);

    MainForm->destroyChildWindows();
    QTRY_VERIFY(windowListTexts().isEmpty());
    QVERIFY(!part<QAction>(*MainForm, "WindowListDivider")->isVisible());
}

void TestHistory::gridsCopyNameAndRow()
{
    using namespace fixture;
    QClipboard* clipboard = QGuiApplication::clipboard();
    QWidget* weapons = weaponsOn(kSwordOfValor);
    auto* list = part<DbGrid>(*weapons, "DBGrid1");

    // The grid's context menu, as a right-click opens it.
    const QPoint at = list->visualRect(list->currentIndex()).center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(list->viewport(), &menuEvent);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QCOMPARE(popup->actions().size(), 2);
    QAction* copyName = popup->actions().at(0);
    QAction* copyRow = popup->actions().at(1);
    QCOMPARE(copyName->objectName(), QStringLiteral("CopyNameItem"));
    popup->close();

    clipboard->clear();
    copyName->trigger();
    QCOMPARE(clipboard->text(), QString::fromLatin1(kSwordOfValorName));
    copyRow->trigger();
    const QStringList cells = clipboard->text().split(QLatin1Char('\t'));
    // Every column but the picture, as the grid shows it.
    QCOMPARE(cells.size(), list->model()->columnCount() - 1);
    QCOMPARE(cells.first(), QString::fromLatin1(kSwordOfValorName));
    QCOMPARE(cells.at(1), list->model()->index(list->currentIndex().row(), 2).data().toString());

    // Ctrl+Insert copies the name; Ctrl+C stays the accessories command.
    clipboard->clear();
    press(list, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QString::fromLatin1(kSwordOfValorName));
    clipboard->setText(QStringLiteral("kept"));
    press(list, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(qobject_cast<TAcsForm*>(activeForm()));
    QCOMPARE(clipboard->text(), QStringLiteral("kept"));

    // A grid with a menu of its own: the copy entries come after its entries and a separator,
    // and a source grid's name is its monster's.
    QWidget* monsters = MainForm->openWindow(WindowKind::Monsters);
    auto* monsterList = part<DbGrid>(*monsters, "DBGrid1");
    clickRow(*monsterList, rowOf(*monsterList->dataset(), "M.id", kAshenGhoul));
    const QList<QAction*> dropMenu = part<QMenu>(*monsters, "PopupMenu1")->actions();
    QCOMPARE(dropMenu.size(), 6);
    QCOMPARE(dropMenu.at(0)->text(), QStringLiteral("Find Alternative Drop"));
    QVERIFY(dropMenu.at(3)->isSeparator());
    QCOMPARE(dropMenu.at(4)->objectName(), QStringLiteral("CopyNameItem"));
    auto* ownDrops = part<DbGrid>(*monsters, "DBGrid2");
    ownDrops->setFocus();
    press(ownDrops, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), ownDrops->dataset()->asText(QStringLiteral("name")));
    dropMenu.at(0)->trigger(); // the alternative drops of that item
    auto* alternatives = part<DbGrid>(*monsters, "DBGrid5");
    press(alternatives, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), alternatives->dataset()->asText(QStringLiteral("npcnames.name")));

    // The maintenance window's edit grids keep copying the current cell.
    QWidget* maintenance = MainForm->openWindow(WindowKind::DbMaintain);
    EditGrid* edit = nullptr;
    for (EditGrid* grid : maintenance->findChildren<EditGrid*>())
        if (grid->isVisible() && grid->model()->rowCount() > 0)
            edit = grid;
    QVERIFY(edit);
    edit->setCurrentIndex(edit->model()->index(0, 0));
    press(edit, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), edit->model()->index(0, 0).data().toString());
    QCOMPARE(edit->dataset()->state(), DatasetState::Browse);
}

int main(int argc, char** argv)
{
    TavrinApplication app(argc, argv);
    TestHistory test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_history.moc"

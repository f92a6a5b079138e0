// The command table as the user meets it: menus, tool bar, shortcuts, the Window menu.

#include "app/AboutBox.h"
#include "app/DialogFrame.h"
#include "app/MainForm.h"
#include "app/TavrinApplication.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

Q_DECLARE_METATYPE(WindowKind)

namespace {

// Stands in for a browse window: a search box, like the item windows have.
QWidget* searchWindow(const QString& title)
{
    auto* w = new QWidget;
    w->setWindowTitle(title);
    auto* edit = new QLineEdit(w);
    edit->setObjectName(QStringLiteral("Edit1"));
    (new QVBoxLayout(w))->addWidget(edit);
    return w;
}

struct Opened {
    QList<WindowKind> kinds;
    TMainForm::WindowFactory factory()
    {
        return [this](WindowKind k, NavigationHost&) {
            kinds << k;
            return searchWindow(QStringLiteral("window %1").arg(int(k)));
        };
    }
};

QAction* action(QWidget& form, const char* name)
{
    return form.findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void fileMenuInOrder();
    void menuBar();
    void toolBarLayout_data();
    void toolBarLayout();
    void everyCommandOpensANewWindow();
    void windowMenuFollowsChildWindows();
    void tilingAndArranging();
    void shortcutsBeatTheFocusedSearchBox_data();
    void shortcutsBeatTheFocusedSearchBox();
    void shortcutsIdleUnderModalAboutBox();
    void skilsCompareOnlyShowsMessage();
    void childWindowKeysCloseAndCycle();
    void aboutBoxIsAFixedDialog();
};

void TestCommands::fileMenuInOrder()
{
    Opened opened;
    TMainForm form(opened.factory());
    auto* file = form.findChild<QMenu*>(QStringLiteral("File1"));
    QVERIFY(file);
    struct Row {
        const char *name, *caption, *keys, *status;
    };
    const Row expected[] = {
        {"FileNewItem", "&Weapons", "Ctrl+W", "Create a new file"},
        {"FileCloseItem", "&Armor", "Ctrl+A", "Close current file"},
        {"FileSaveAsItem", "S&ets", "Ctrl+S", "Save current file with different name"},
        {"FileSaveItem", "A&ccesories", "Ctrl+C", "Save current file"},
        {"Misc1", "&Misc Items", "Ctrl+M", ""},
        {"FileOpenItem", "&Recipes", "Ctrl+R", "Open a file"},
        {"Skils1", "Skils", "Ctrl+U", ""},
        {"Monsters1", "Mo&nsters", "Ctrl+N", ""},
        {"Quests1", "&Quests", "Ctrl+Q", ""},
        {"N1", "", "", ""},
        {"FileExitItem", "E&xit", "", "Exit application"},
    };
    const QList<QAction*> items = file->actions();
    QCOMPARE(items.size(), int(std::size(expected)));
    for (int i = 0; i < items.size(); ++i) {
        const Row& r = expected[i];
        QCOMPARE(items[i]->objectName(), QString::fromLatin1(r.name));
        QCOMPARE(items[i]->text(), QString::fromLatin1(r.caption));
        QCOMPARE(items[i]->shortcut(), QKeySequence(QString::fromLatin1(r.keys)));
        QCOMPARE(items[i]->statusTip(), QString::fromLatin1(r.status));
        QVERIFY(items[i]->icon().isNull()); // menus show no pictures
    }
    QVERIFY(items[9]->isSeparator());
}

void TestCommands::menuBar()
{
    Opened opened;
    TMainForm form(opened.factory());
    auto* bar = form.findChild<QMenuBar*>(QStringLiteral("MainMenu1"));
    QVERIFY(bar);
    QStringList visible, all;
    for (QAction* a : bar->actions()) {
        all << a->text();
        if (a->isVisible())
            visible << a->text();
    }
    QCOMPARE(all, QStringList({"&File", "Tools", "&Window", "&Help"}));
    QCOMPARE(visible, QStringList({"&File", "&Window", "&Help"}));
    auto* tools = form.findChild<QMenu*>(QStringLiteral("Tools1"));
    QCOMPARE(tools->actions().size(), 1);
    QCOMPARE(tools->actions()[0]->text(), QStringLiteral("DB-List Maintenance"));
    QVERIFY(tools->actions()[0]->shortcut().isEmpty());

    auto* window = form.findChild<QMenu*>(QStringLiteral("Window1"));
    QStringList captions, hints;
    // The list of open windows follows the commands, after a separator hidden while it is empty.
    for (QAction* a : window->actions()) {
        if (a->isSeparator()) {
            QVERIFY(!a->isVisible());
            continue;
        }
        captions << a->text();
        hints << a->statusTip();
    }
    QCOMPARE(captions, QStringList({"&Cascade", "Tile &Horizontally", "&Tile Vertically", "&Minimize All", "&Arrange"}));
    QCOMPARE(hints, QStringList({"Cascade", "Tile Horizontal", "Tile Vertical", "Minimize All", ""}));
    QCOMPARE(window->menuAction()->statusTip(), QStringLiteral("Window related commands"));

    auto* help = form.findChild<QMenu*>(QStringLiteral("Help1"));
    QCOMPARE(help->actions().size(), 1);
    QCOMPARE(help->actions()[0]->text(), QStringLiteral("&About..."));
    QCOMPARE(help->actions()[0]->statusTip(), QStringLiteral("Displays program information, version number, and copyright"));
}

void TestCommands::toolBarLayout_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QVariant>("kind"); // invalid: opens no window
    QTest::newRow("weapons") << "ToolButton9" << 5 << "Weapons" << QVariant::fromValue(WindowKind::Weapons);
    QTest::newRow("armor") << "ToolButton2" << 44 << "Armor" << QVariant::fromValue(WindowKind::Armor);
    QTest::newRow("sets") << "ToolButton4" << 83 << "Sets" << QVariant::fromValue(WindowKind::Sets);
    QTest::newRow("accesories") << "ToolButton5" << 130 << "Accesories" << QVariant::fromValue(WindowKind::Accessories);
    QTest::newRow("items") << "ToolButton6" << 169 << "Items" << QVariant::fromValue(WindowKind::Items);
    QTest::newRow("recipes") << "ToolButton12" << 208 << "Reciepes" << QVariant::fromValue(WindowKind::Recipes);
    QTest::newRow("monsters") << "ToolButton11" << 255 << "Monsters" << QVariant::fromValue(WindowKind::Monsters);
    QTest::newRow("skils") << "ToolButton8" << 302 << "Skils" << QVariant::fromValue(WindowKind::Skills);
    QTest::newRow("compare") << "ToolButton10" << 341 << "Skils Compare" << QVariant();
    QTest::newRow("quests") << "ToolButton14" << 388 << "Quests" << QVariant::fromValue(WindowKind::Quests);
}

void TestCommands::toolBarLayout()
{
    QFETCH(QString, button);
    QFETCH(int, left);
    QFETCH(QString, hint);
    QFETCH(QVariant, kind);
    Opened opened;
    TMainForm form(opened.factory());
    auto* b = form.findChild<QToolButton*>(button);
    QVERIFY(b);
    QCOMPARE(b->geometry(), QRect(left, 2, 39, 38));
    QCOMPARE(b->parentWidget()->pos(), QPoint(1, 7));
    QCOMPARE(b->toolTip(), hint);
    QCOMPARE(b->statusTip(), hint);
    QCOMPARE(b->iconSize(), QSize(32, 32));
    QCOMPARE(b->icon().pixmap(32, 32).size(), QSize(32, 32));
    if (!kind.isValid())
        return;
    b->click();
    QCOMPARE(opened.kinds, QList<WindowKind>{kind.value<WindowKind>()});
}

void TestCommands::everyCommandOpensANewWindow()
{
    Opened opened;
    TMainForm form(opened.factory());
    action(form, "FileNewItem")->trigger();
    form.findChild<QToolButton*>(QStringLiteral("ToolButton9"))->click();
    action(form, "DBListMaintenance1")->trigger();
    QCOMPARE(opened.kinds, QList<WindowKind>({WindowKind::Weapons, WindowKind::Weapons, WindowKind::DbMaintain}));
    const QList<QMdiSubWindow*> children = form.clientArea()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(children.size(), 3);
    QVERIFY(children[0] != children[1] && children[0]->widget() != children[1]->widget());
    QCOMPARE(children[0]->windowTitle(), QStringLiteral("window %1").arg(int(WindowKind::Weapons)));
    QVERIFY(children[1]->isMaximized());
    QVERIFY(children[1]->testAttribute(Qt::WA_DeleteOnClose));
}

void TestCommands::windowMenuFollowsChildWindows()
{
    Opened opened;
    TMainForm form(opened.factory());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QList<QAction*> items = form.findChild<QMenu*>(QStringLiteral("Window1"))->actions();
    items.removeIf([](const QAction* a) { return a->isSeparator(); });
    auto enabled = [&] {
        int n = 0;
        for (QAction* a : items)
            n += a->isEnabled();
        return n;
    };
    QCOMPARE(enabled(), 0);
    action(form, "Skils1")->trigger();
    QCOMPARE(enabled(), 5);
    action(form, "Quests1")->trigger();
    QList<QMdiSubWindow*> children = form.clientArea()->subWindowList(QMdiArea::CreationOrder);
    children[0]->close();
    QTRY_COMPARE(form.clientArea()->subWindowList().size(), 1);
    QCOMPARE(enabled(), 5);
    children[1]->close();
    QTRY_COMPARE(enabled(), 0);
    // The commands and the hidden separator of a list of no windows.
    QTRY_COMPARE(form.findChild<QMenu*>(QStringLiteral("Window1"))->actions().size(), 6);
}

void TestCommands::tilingAndArranging()
{
    Opened opened;
    TMainForm form(opened.factory());
    form.resize(900, 600);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int i = 0; i < 3; ++i)
        action(form, "FileNewItem")->trigger();
    const QList<QMdiSubWindow*> w = form.clientArea()->subWindowList(QMdiArea::CreationOrder);
    const QRect room = form.clientArea()->viewport()->rect();

    action(form, "WindowTileItem")->trigger(); // one above the other
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!w[i]->isMaximized());
        QCOMPARE(w[i]->geometry().width(), room.width());
        QCOMPARE(w[i]->geometry().top(), i * (room.height() / 3));
    }
    QCOMPARE(w[2]->geometry().bottom(), room.bottom());

    action(form, "WindowTileItem2")->trigger(); // side by side
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(w[i]->geometry().height(), room.height());
        QCOMPARE(w[i]->geometry().left(), i * (room.width() / 3));
    }
    QCOMPARE(w[2]->geometry().right(), room.right());

    action(form, "WindowMinimizeItem")->trigger();
    for (QMdiSubWindow* s : w)
        QVERIFY(s->isMinimized());
    w[0]->move(300, 10);
    w[2]->move(50, 70);
    action(form, "WindowArrangeItem")->trigger();
    int x = 0;
    for (QMdiSubWindow* s : w) {
        QCOMPARE(s->geometry().left(), x);
        QCOMPARE(s->geometry().bottom(), room.bottom());
        x += s->width();
    }
}

void TestCommands::shortcutsBeatTheFocusedSearchBox_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<WindowKind>("kind");
    QTest::newRow("Ctrl+C accessories") << int(Qt::Key_C) << WindowKind::Accessories;
    QTest::newRow("Ctrl+A armor") << int(Qt::Key_A) << WindowKind::Armor;
    QTest::newRow("Ctrl+W weapons") << int(Qt::Key_W) << WindowKind::Weapons;
    QTest::newRow("Ctrl+S sets") << int(Qt::Key_S) << WindowKind::Sets;
    QTest::newRow("Ctrl+M items") << int(Qt::Key_M) << WindowKind::Items;
    QTest::newRow("Ctrl+R recipes") << int(Qt::Key_R) << WindowKind::Recipes;
    QTest::newRow("Ctrl+N monsters") << int(Qt::Key_N) << WindowKind::Monsters;
    QTest::newRow("Ctrl+U skils") << int(Qt::Key_U) << WindowKind::Skills;
    QTest::newRow("Ctrl+Q quests") << int(Qt::Key_Q) << WindowKind::Quests;
}

void TestCommands::shortcutsBeatTheFocusedSearchBox()
{
    QFETCH(int, key);
    QFETCH(WindowKind, kind);
    QList<WindowKind> asked;
    bool build = true;
    TMainForm form([&](WindowKind k, NavigationHost&) -> QWidget* {
        asked << k;
        return build ? searchWindow(QStringLiteral("search")) : nullptr;
    });
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    action(form, "FileOpenItem")->trigger(); // a child window with a search box
    asked.clear();
    auto* edit = form.clientArea()->subWindowList().constLast()->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    edit->setText(QStringLiteral("dagger"));
    edit->setFocus();
    edit->setSelection(1, 3);
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));

    // With no window to open the focus stays put, so the box's own state shows what it saw.
    build = false;
    QTest::keyClick(edit, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(asked, QList<WindowKind>{kind});
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    QCOMPARE(edit->text(), QStringLiteral("dagger"));
    QCOMPARE(edit->selectionStart(), 1);
    QCOMPARE(edit->selectedText(), QStringLiteral("agg"));

    // From inside a child window the key opens another child window.
    build = true;
    QTest::keyClick(edit, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(asked, QList<WindowKind>({kind, kind}));
    QCOMPARE(form.clientArea()->subWindowList().size(), 2);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    QCOMPARE(edit->text(), QStringLiteral("dagger"));
}

void TestCommands::shortcutsIdleUnderModalAboutBox()
{
    Opened opened;
    TMainForm form(opened.factory());
    TAboutBox about;
    AboutBox = &about;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    bool sawBox = false;
    QTimer::singleShot(0, &about, [&] {
        sawBox = QApplication::activeModalWidget() == &about;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        about.accept();
    });
    action(form, "HelpAboutItem")->trigger();
    AboutBox = nullptr;
    QVERIFY(sawBox);
    QVERIFY(opened.kinds.isEmpty());
}

void TestCommands::skilsCompareOnlyShowsMessage()
{
    Opened opened;
    TMainForm form(opened.factory());
    form.show();
    QString text, caption;
    int buttons = 0;
    Qt::WindowFlags flags;
    int width = 0, titleWidth = 0;
    QTimer::singleShot(0, &form, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        caption = box->windowTitle();
        buttons = int(box->buttons().size());
        flags = box->windowFlags();
        width = box->width();
        titleWidth = titleBarWidth(*box);
        box->accept();
    });
    form.findChild<QToolButton*>(QStringLiteral("ToolButton10"))->click();
    QCOMPARE(text, QStringLiteral("Coming Soon!"));
    QCOMPARE(caption, QStringLiteral("Tavrin"));
    QCOMPARE(buttons, 1);
    // A fixed dialog: no minimise or maximise button, and wide enough to show its title whole.
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY2(width >= titleWidth, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(titleWidth)));
    QVERIFY(opened.kinds.isEmpty());
    QVERIFY(form.clientArea()->subWindowList().isEmpty());
}

void TestCommands::childWindowKeysCloseAndCycle()
{
    Opened opened;
    TMainForm form(opened.factory());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (int i = 0; i < 3; ++i)
        action(form, "FileNewItem")->trigger();
    QMdiArea* area = form.clientArea();
    const QList<QMdiSubWindow*> children = area->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(area->activeSubWindow(), children[2]);
    auto* edit = children[2]->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        QTest::keyClick(target, key, modifiers);
    };

    // Ctrl+Tab goes on to the next child window, round to the first; Ctrl+Shift+Tab goes back.
    press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(area->activeSubWindow(), children[0]);
    press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(area->activeSubWindow(), children[1]);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(area->activeSubWindow(), children[0]);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(area->activeSubWindow(), children[2]);

    // Ctrl+F4 closes the active child window and no other.
    QPointer<QMdiSubWindow> closing = children[2];
    press(Qt::Key_F4, Qt::ControlModifier);
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(area->subWindowList().size(), 2);

    // The commands' own keys still win from inside a child window.
    opened.kinds.clear();
    area->activateNextSubWindow();
    QVERIFY(area->activeSubWindow());
    area->activeSubWindow()->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setFocus();
    press(Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(opened.kinds, QList<WindowKind>{WindowKind::Weapons});
    QCOMPARE(area->subWindowList().size(), 3);
}

void TestCommands::aboutBoxIsAFixedDialog()
{
    TAboutBox about;
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(about.minimumSize(), about.maximumSize());
}

int main(int argc, char** argv)
{
    TavrinApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tavrin"));
    TestCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_commands.moc"

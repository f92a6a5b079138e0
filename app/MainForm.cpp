#include "app/MainForm.h"

#include "app/AboutBox.h"
#include "app/DialogFrame.h"
#include "app/GlobalSearch.h"
#include "app/Hint.h"
#include "app/HistoryActions.h"
#include "app/PanelTail.h"
#include "app/ShortcutGuard.h"
#include "app/SponsorBanner.h"
#include "app/ToolPictures.h"
#include "app/WheelTranslator.h"
#include "app/WindowArrangement.h"
#include "app/WindowList.h"
#include "browse/HandlerGuard.h"
#include "data/DBModule.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(WindowFactory factory) : m_factory(std::move(factory))
{
    MonsterLocatePending = false;
    ItemLocatePending = false;
    MonsterLocateId.clear();
    ItemLocateId.clear();

    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tavrin v.0.6"));
    setWindowIcon(programIcon());
    setMinimumSize(850, 480);
    resize(854, 581);
    QFont f(font());
    f.setPixelSize(11);
    setFont(f);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_panel = new QFrame(central);
    m_clientArea = new QMdiArea(central);
    m_clientArea->setObjectName(QStringLiteral("ClientArea"));
    column->addWidget(m_panel);
    column->addWidget(m_clientArea, 1);
    setCentralWidget(central);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setFixedHeight(19);
    QFont statusFont(status->font());
    statusFont.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    statusFont.setPixelSize(13);
    statusFont.setBold(true);
    status->setFont(statusFont);
    setStatusBar(status);

    buildPanel();
    buildMenus();
    buildChildWindowKeys();
    m_commandKeys << m_search->addShortcutTo(*this)->shortcuts();
    updateWindowActions();

    m_wheel = new WheelTranslator(this);
    m_guard = new ShortcutGuard(this);
    m_guard->setSequences(m_commandKeys);
    qApp->installEventFilter(m_wheel);
    qApp->installEventFilter(m_guard);
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(m_guard);
    qApp->removeEventFilter(m_wheel);
    destroyChildWindows();
    // A child window closed but not yet deleted goes with the frame's widgets, after the frame
    // itself is gone: it must not report back to it.
    for (QMdiSubWindow* child : m_clientArea->findChildren<QMdiSubWindow*>())
        disconnect(child, nullptr, this, nullptr);
}

void TMainForm::buildPanel()
{
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_panel->setFixedHeight(66);

    m_toolBar = new QWidget(m_panel);
    m_toolBar->setObjectName(QStringLiteral("ToolBar2"));
    m_toolBar->setGeometry(1, 7, 432, 49);

    // Absolute place, so a resize of the frame never moves it.
    m_banner = new SponsorBanner(m_panel);
    m_banner->move(448, 2);

    m_history = new HistoryActions(*this, *m_clientArea, *this);
    QWidget* historyButtons = m_history->buildButtons(m_panel);
    m_commandKeys << m_history->keys();
    m_search = new GlobalSearch(*this, [] { return DBModule ? &DBModule->ADOConnection1 : nullptr; }, m_panel);
    new PanelTail(*m_panel, *m_banner, *historyButtons, *m_search);
}

QAction* TMainForm::addMenuItem(QMenu* menu, const char* name, const char* caption, const char* hint,
                                void (TMainForm::*handler)())
{
    auto* action = new QAction(QString::fromLatin1(caption), this);
    action->setObjectName(QString::fromLatin1(name));
    if (hint)
        action->setStatusTip(longHint(QString::fromLatin1(hint)));
    connect(action, &QAction::triggered, this, guardedSlot([this, handler] { (this->*handler)(); }));
    menu->addAction(action);
    return action;
}

void TMainForm::buildMenus()
{
    struct Command {
        const char* button;
        const char* buttonHint;
        int picture;
        const char* item; // nullptr: the command has no menu item
        const char* caption;
        const char* shortcut;
        const char* hint;
        int menuPlace;
        void (TMainForm::*handler)();
        bool dividerBefore;
    };
    static const Command commands[] = {
        {"ToolButton9", "Weapons", 8, "FileNewItem", "&Weapons", "Ctrl+W", "New|Create a new file", 0,
         &TMainForm::ToolButton9Click, false},
        {"ToolButton2", "Armor", 1, "FileCloseItem", "&Armor", "Ctrl+A", "Close|Close current file", 1,
         &TMainForm::ToolButton2Click, false},
        {"ToolButton4", "Sets", 5, "FileSaveAsItem", "S&ets", "Ctrl+S", "Save As|Save current file with different name",
         2, &TMainForm::ToolButton4Click, false},
        {"ToolButton5", "Accesories", 0, "FileSaveItem", "A&ccesories", "Ctrl+C", "Save|Save current file", 3,
         &TMainForm::ToolButton5Click, true},
        {"ToolButton6", "Items", 2, "Misc1", "&Misc Items", "Ctrl+M", nullptr, 4, &TMainForm::ToolButton6Click, false},
        {"ToolButton12", "Reciepes", 4, "FileOpenItem", "&Recipes", "Ctrl+R", "Open|Open a file", 5,
         &TMainForm::ToolButton12Click, false},
        {"ToolButton11", "Monsters", 3, "Monsters1", "Mo&nsters", "Ctrl+N", nullptr, 7, &TMainForm::ToolButton11Click,
         true},
        {"ToolButton8", "Skils", 6, "Skils1", "Skils", "Ctrl+U", nullptr, 6, &TMainForm::ToolButton8Click, true},
        {"ToolButton10", "Skils Compare", 7, nullptr, nullptr, nullptr, nullptr, -1, &TMainForm::ToolButton10Click,
         false},
        {"ToolButton14", "Quests", 9, "Quests1", "&Quests", "Ctrl+Q", nullptr, 8, &TMainForm::ToolButton14Click, true},
    };

    QMenuBar* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(bar);

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    file->menuAction()->setStatusTip(QStringLiteral("File related commands"));

    const QColor face = m_panel->palette().color(QPalette::Window);
    QAction* items[9] = {};
    int x = 5;
    for (const Command& c : commands) {
        if (c.dividerBefore) {
            auto* divider = new QFrame(m_toolBar);
            divider->setFrameStyle(QFrame::VLine | QFrame::Sunken);
            divider->setGeometry(x, 2, 8, 38);
            x += 8;
        }
        const QString hint = QString::fromLatin1(c.buttonHint);
        auto* buttonAction = new QAction(QIcon(toolPicture(c.picture, face)), hint, this);
        buttonAction->setToolTip(shortHint(hint));
        buttonAction->setStatusTip(longHint(hint));
        connect(buttonAction, &QAction::triggered, this, guardedSlot([this, h = c.handler] { (this->*h)(); }));
        auto* button = new QToolButton(m_toolBar);
        button->setObjectName(QString::fromLatin1(c.button));
        button->setDefaultAction(buttonAction);
        button->setIconSize(QSize(32, 32));
        button->setAutoRaise(true);
        button->setGeometry(x, 2, 39, 38);
        x += 39;

        if (!c.item)
            continue;
        auto* item = new QAction(QString::fromLatin1(c.caption), this);
        item->setObjectName(QString::fromLatin1(c.item));
        const QKeySequence keys(QString::fromLatin1(c.shortcut));
        item->setShortcut(keys);
        item->setShortcutContext(Qt::ApplicationShortcut);
        if (c.hint)
            item->setStatusTip(longHint(QString::fromLatin1(c.hint)));
        connect(item, &QAction::triggered, this, guardedSlot([this, h = c.handler] { (this->*h)(); }));
        m_commandKeys << keys;
        items[c.menuPlace] = item;
    }
    for (QAction* item : items)
        file->addAction(item);
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    addMenuItem(file, "FileExitItem", "E&xit", "Exit|Exit application", &TMainForm::FileExit1Execute);

    QMenu* tools = bar->addMenu(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("Tools1"));
    tools->menuAction()->setVisible(false);
    addMenuItem(tools, "DBListMaintenance1", "DB-List Maintenance", nullptr, &TMainForm::DBListMaintenance1Click);

    QMenu* window = bar->addMenu(QStringLiteral("&Window"));
    window->setObjectName(QStringLiteral("Window1"));
    window->menuAction()->setStatusTip(QStringLiteral("Window related commands"));
    m_windowActions = {
        addMenuItem(window, "WindowCascadeItem", "&Cascade", "Cascade", &TMainForm::WindowCascade1Execute),
        addMenuItem(window, "WindowTileItem", "Tile &Horizontally", "Tile Horizontal",
                    &TMainForm::WindowTileHorizontal1Execute),
        addMenuItem(window, "WindowTileItem2", "&Tile Vertically", "Tile Vertical",
                    &TMainForm::WindowTileVertical1Execute),
        addMenuItem(window, "WindowMinimizeItem", "&Minimize All", "Minimize All",
                    &TMainForm::WindowMinimizeAll1Execute),
        addMenuItem(window, "WindowArrangeItem", "&Arrange", nullptr, &TMainForm::WindowArrange1Execute),
    };
    new WindowList(*window, *m_clientArea, this);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    help->menuAction()->setStatusTip(QStringLiteral("Help topics"));
    addMenuItem(help, "HelpAboutItem", "&About...", "About|Displays program information, version number, and copyright",
                &TMainForm::HelpAbout1Execute);
}

void TMainForm::buildChildWindowKeys()
{
    // The keys users of a multi-window frame expect: close the active child window, go to the
    // next or the previous one. They act from any control of the frame, like the commands.
    const struct {
        const char* name;
        QKeySequence keys;
        void (QMdiArea::*step)();
    } keys[] = {
        {"ChildCloseKey", QKeySequence(Qt::CTRL | Qt::Key_F4), &QMdiArea::closeActiveSubWindow},
        {"ChildNextKey", QKeySequence(Qt::CTRL | Qt::Key_Tab), &QMdiArea::activateNextSubWindow},
        {"ChildPreviousKey", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), &QMdiArea::activatePreviousSubWindow},
    };
    for (const auto& k : keys) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(k.name));
        QList<QKeySequence> sequences{k.keys};
        // Shift+Tab arrives as Backtab, with or without the Shift the user holds.
        if (k.step == &QMdiArea::activatePreviousSubWindow)
            sequences << QKeySequence(Qt::CTRL | Qt::Key_Backtab);
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, guardedSlot([area = m_clientArea, step = k.step] { (area->*step)(); }));
        addAction(action);
        m_childWindowActions << action;
        m_commandKeys << sequences;
    }
}

QWidget* TMainForm::openWindow(WindowKind kind)
{
    if (!m_factory)
        return nullptr;
    QWidget* window = nullptr;
    try {
        window = m_factory(kind, *this);
    } catch (...) {
        // The window never got to consume its request; a later window must not find it raised.
        MonsterLocatePending = false;
        MonsterLocateId.clear();
        ItemLocatePending = false;
        ItemLocateId.clear();
        throw;
    }
    if (!window)
        return nullptr;

    auto* child = new QMdiSubWindow;
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setWidget(window);
    child->setWindowTitle(window->windowTitle());
    connect(window, &QWidget::windowTitleChanged, child, &QWidget::setWindowTitle);
    // The child's own menu must not take a key that belongs to the frame's commands.
    for (QAction* a : child->systemMenu()->actions()) {
        QList<QKeySequence> keys = a->shortcuts();
        keys.removeIf([this](const QKeySequence& k) { return m_commandKeys.contains(k); });
        a->setShortcuts(keys);
    }
    m_clientArea->addSubWindow(child);
    connect(child, &QObject::destroyed, this, &TMainForm::childWindowGone);
    ++m_childCount;
    updateWindowActions();
    child->showMaximized();
    return window;
}

void TMainForm::destroyChildWindows()
{
    QList<QMdiSubWindow*> children = m_clientArea->subWindowList(QMdiArea::CreationOrder);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        delete *it;
}

void TMainForm::childWindowGone()
{
    --m_childCount;
    updateWindowActions();
}

void TMainForm::updateWindowActions()
{
    for (QAction* a : m_windowActions)
        a->setEnabled(m_childCount > 0);
    for (QAction* a : m_childWindowActions)
        a->setEnabled(m_childCount > 0);
}

void TMainForm::ToolButton9Click() { openWindow(WindowKind::Weapons); }
void TMainForm::ToolButton2Click() { openWindow(WindowKind::Armor); }
void TMainForm::ToolButton4Click() { openWindow(WindowKind::Sets); }
void TMainForm::ToolButton5Click() { openWindow(WindowKind::Accessories); }
void TMainForm::ToolButton6Click() { openWindow(WindowKind::Items); }
void TMainForm::ToolButton12Click() { openWindow(WindowKind::Recipes); }
void TMainForm::ToolButton11Click() { openWindow(WindowKind::Monsters); }
void TMainForm::ToolButton8Click() { openWindow(WindowKind::Skills); }
void TMainForm::ToolButton14Click() { openWindow(WindowKind::Quests); }
void TMainForm::DBListMaintenance1Click() { openWindow(WindowKind::DbMaintain); }

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Ending the program would drop a row still being edited: its window may keep it.
    for (QMdiSubWindow* child : m_clientArea->subWindowList(QMdiArea::StackingOrder)) {
        QWidget* form = child->widget();
        if (!form)
            continue;
        QCloseEvent ask;
        QCoreApplication::sendEvent(form, &ask);
        if (!ask.isAccepted()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::showToolsMenu(bool on)
{
    if (auto* tools = findChild<QMenu*>(QStringLiteral("Tools1")))
        tools->menuAction()->setVisible(on);
}

void TMainForm::ToolButton10Click()
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), QStringLiteral("Coming Soon!"),
                    QMessageBox::Ok, this);
    frameMessageBox(box);
    box.exec();
}

void TMainForm::FileExit1Execute() { close(); }

void TMainForm::HelpAbout1Execute()
{
    if (AboutBox)
        AboutBox->exec();
}

void TMainForm::WindowCascade1Execute() { m_clientArea->cascadeSubWindows(); }
void TMainForm::WindowTileHorizontal1Execute() { tileHorizontally(*m_clientArea); }
void TMainForm::WindowTileVertical1Execute() { tileVertically(*m_clientArea); }
void TMainForm::WindowMinimizeAll1Execute() { minimizeAll(*m_clientArea); }
void TMainForm::WindowArrange1Execute() { arrangeIcons(*m_clientArea); }

#pragma once
// The main frame: top panel with the command tool bar and the sponsor banner, the menu, the
// multi-document client area and the hint status bar. It holds the two pending-locate requests
// and opens every browse window.

#include "panes/NavigationHost.h"

#include <QList>
#include <QMainWindow>

#include <functional>

class GlobalSearch;
class QAction;
class HistoryActions;
class QFrame;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class ShortcutGuard;
class SponsorBanner;
class WheelTranslator;

class TMainForm : public QMainWindow, public NavigationHost {
    Q_OBJECT
public:
    /// Makes the window a command opens; nullptr when that window is not available.
    using WindowFactory = std::function<QWidget*(WindowKind, NavigationHost&)>;

    /// Clears both requests and installs the wheel translation and the shortcut guard on the
    /// application. Commands get their windows from the factory (createBrowseWindow in the program).
    explicit TMainForm(WindowFactory factory);
    /// Shows the Tools menu (hidden unless the program starts with --maintenance).
    void showToolsMenu(bool on);
    ~TMainForm() override;

    /// Creates a new window of the kind as a maximised child window. When creation throws, both
    /// requests are cleared before the failure goes on, so none stays raised for a later window.
    QWidget* openWindow(WindowKind kind) override;

    /// Destroys the open child windows, newest first.
    void destroyChildWindows();

    QMdiArea* clientArea() const { return m_clientArea; }

protected:
    /// Each child window is asked first (a maintenance window over a changed row asks the
    /// user); when one declines, the frame stays open. No child window is closed here.
    void closeEvent(QCloseEvent* event) override;

private:
    // Command handlers; a tool button and its menu item share one.
    void ToolButton9Click();
    void ToolButton2Click();
    void ToolButton4Click();
    void ToolButton5Click();
    void ToolButton6Click();
    void ToolButton12Click();
    void ToolButton11Click();
    void ToolButton8Click();
    void ToolButton10Click();
    void ToolButton14Click();
    void DBListMaintenance1Click();
    void FileExit1Execute();
    void HelpAbout1Execute();
    void WindowCascade1Execute();
    void WindowTileHorizontal1Execute();
    void WindowTileVertical1Execute();
    void WindowMinimizeAll1Execute();
    void WindowArrange1Execute();

    void buildPanel();
    void buildMenus();
    void buildChildWindowKeys();
    QAction* addMenuItem(QMenu* menu, const char* name, const char* caption, const char* hint,
                         void (TMainForm::*handler)());
    void childWindowGone();
    void updateWindowActions();

    WindowFactory m_factory;
    QFrame* m_panel = nullptr;
    QWidget* m_toolBar = nullptr;
    SponsorBanner* m_banner = nullptr;
    GlobalSearch* m_search = nullptr;
    QMdiArea* m_clientArea = nullptr;
    QList<QAction*> m_windowActions;
    QList<QAction*> m_childWindowActions;
    QList<QKeySequence> m_commandKeys;
    WheelTranslator* m_wheel = nullptr;
    ShortcutGuard* m_guard = nullptr;
    HistoryActions* m_history = nullptr;
    int m_childCount = 0;
};

/// The one main window, created at start-up.
extern TMainForm* MainForm;

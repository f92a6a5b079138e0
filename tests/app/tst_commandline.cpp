// --maintenance shows the Tools menu, which is hidden otherwise. (The switches themselves are
// read by a pure function, tested in CommandLineTest.)

#include "app/BrowseWindowFactory.h"
#include "app/MainForm.h"

#include <QMenu>
#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void maintenanceShowsTheToolsMenu();
};

void TestCommandLine::maintenanceShowsTheToolsMenu()
{
    TMainForm form(createBrowseWindow);
    QMenu* tools = form.findChild<QMenu*>(QStringLiteral("Tools1"));
    QVERIFY(tools);
    QVERIFY(!tools->menuAction()->isVisible());
    form.showToolsMenu(true);
    QVERIFY(tools->menuAction()->isVisible());
    form.showToolsMenu(false);
    QVERIFY(!tools->menuAction()->isVisible());
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"

// The program's switches: --help and --version print and end, --maintenance shows the Tools
// menu, anything else is refused with the usage and exit code 2.

#include "app/BrowseWindowFactory.h"
#include "app/CommandLine.h"
#include "app/MainForm.h"

#include <QMenu>
#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void switches_data();
    void switches();
    void maintenanceShowsTheToolsMenu();
};

void TestCommandLine::switches_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("run");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("maintenance");
    QTest::addColumn<QString>("says");
    QTest::newRow("none") << QStringList{} << true << 0 << false << QString();
    QTest::newRow("maintenance") << QStringList{"--maintenance"} << true << 0 << true << QString();
    QTest::newRow("help") << QStringList{"--help"} << false << 0 << false << QStringLiteral("--maintenance");
    QTest::newRow("version") << QStringList{"--version"} << false << 0 << false << QStringLiteral("Tavrin 0.6");
    QTest::newRow("unknown") << QStringList{"--maintain"} << false << 2 << false << QStringLiteral("Unknown option 'maintain'");
    QTest::newRow("stray word") << QStringList{"gd.mdb"} << false << 2 << false << QStringLiteral("Unexpected argument 'gd.mdb'");
}

void TestCommandLine::switches()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, run);
    QFETCH(int, exitCode);
    QFETCH(bool, maintenance);
    QFETCH(QString, says);
    QCoreApplication::setApplicationVersion(QStringLiteral("0.6"));
    const CommandLineChoice choice = readCommandLine(QStringList{QStringLiteral("tavrin")} + arguments);
    QCOMPARE(choice.run, run);
    QCOMPARE(choice.exitCode, exitCode);
    QCOMPARE(choice.maintenance, maintenance);
    QVERIFY2(choice.text.contains(says), qPrintable(choice.text));
    if (exitCode == 2) {
        QVERIFY(choice.toErrorStream);
        QVERIFY2(choice.text.contains(QLatin1String("Usage:")), "a wrong argument shows the usage");
    }
}

void TestCommandLine::maintenanceShowsTheToolsMenu()
{
    TMainForm form(createBrowseWindow);
    QMenu* tools = form.findChild<QMenu*>(QStringLiteral("Tools1"));
    QVERIFY(tools);
    QVERIFY(!tools->menuAction()->isVisible());
    form.showToolsMenu(true);
    QVERIFY(tools->menuAction()->isVisible());
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"

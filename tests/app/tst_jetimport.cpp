// Opening a Jet file: the progress dialog over the import's own process (tables, rows, Cancel),
// a reader that crashes, hangs or fails, and start-up through the cache with the copy read-only.

#include "app/ErrorReport.h"
#include "app/ImportProcess.h"
#include "app/JetImportDialog.h"
#include "app/JetOpening.h"
#include "app/Startup.h"
#include "app/TavrinApplication.h"
#include "app/DatabaseLocation.h"
#include "data/DBModule.h"
#include "data/DbError.h"
#include "import/ImportCache.h"
#include "tools/jetwriter/JetWriter.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList g_reports;
void recordReport(const QString& text)
{
    g_reports << text;
}

const QString kProgram = QStringLiteral(TAVRIN_PROGRAM);

// A stand-in for the import process: a shell script with this body ($1 --import-jet, $2 the
// source, $3 the target).
QString script(const QTemporaryDir& dir, const QString& name, const QString& body)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(("#!/bin/sh\n" + body + "\n").toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// Runs `whileShown` once the dialog is on the screen, from inside its exec().
void whenShown(std::function<void(JetImportDialog&)> whileShown)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, whileShown] {
        auto* dialog = qobject_cast<JetImportDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->deleteLater();
        timer->stop();
        whileShown(*dialog);
    });
    timer->start();
}

// A Jet file with items, weapons and monsters only (what the start-up's own lists read), the
// other tables missing.
void writeSmallWorld(const QString& path, int monsters = 3)
{
    jet::JetWriter w;
    const int items = w.addTable("items", {{"id", jet::ColumnType::Long}, {"name", jet::ColumnType::Text},
                                           {"material_type", jet::ColumnType::Text}});
    w.addRow(items, {qint64(1), QString("Sword"), QString("Steel")});
    const int m = w.addTable("monsters", {{"id", jet::ColumnType::Long}, {"name", jet::ColumnType::Text}, {"level", jet::ColumnType::Long}});
    for (int i = 0; i < monsters; ++i)
        w.addRow(m, {qint64(i + 1), QString("Wolf %1").arg(i), qint64(i % 80)});
    const int weapons = w.addTable("weapons", {{"id", jet::ColumnType::Long}, {"weapon_type", jet::ColumnType::Text}});
    w.addRow(weapons, {qint64(1), QString("Sword")});
    w.write(path);
}

// Counts the import dialogs shown while it lives.
class DialogCounter : public QObject {
public:
    DialogCounter() { qApp->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<JetImportDialog*>(watched))
            ++shown;
        return false;
    }
};

} // namespace

class TestJetImport : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        g_reports.clear();
        setErrorReporter(recordReport);
    }
    void cleanup() { setErrorReporter(nullptr); }

    void theDialogShowsTablesAndRowsAndCompletes();
    void cancelEndsTheProcessAndLeavesNothing();
    void aReaderThatCrashesHangsOrFailsIsNamed();
    void startUpImportsOnceAndBrowsesTheCopyReadOnly();
    void aCancelledStartUpSaysSoAndImportsNextTime();
};

void TestJetImport::theDialogShowsTablesAndRowsAndCompletes()
{
    QTemporaryDir dir;
    const QString source = dir.filePath("gd.mdb");
    writeSmallWorld(source, 2000);
    const QString target = dir.filePath("cache/copy.db");
    QDir().mkpath(dir.filePath("cache"));

    JetImportDialog dialog(kProgram, source, target);
    QStringList tablesSeen;
    connect(&dialog.process(), &ImportProcess::tableStarted, [&](int, const QString&, qint64) {
        tablesSeen << dialog.findChild<QLabel*>("ImportTable")->text();
    });
    bool shown = false;
    whenShown([&](JetImportDialog& d) {
        shown = true;
        QCOMPARE(d.windowTitle(), QStringLiteral("Importing gd.mdb"));
        QVERIFY(d.findChild<QLabel*>("ImportIntro")->text().contains(source));
        QVERIFY(d.findChild<QPushButton*>("ImportCancel")->isEnabled());
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(shown);
    QCOMPARE(tablesSeen, (QStringList{"Table 1 of 3: items", "Table 2 of 3: weapons", "Table 3 of 3: monsters"}));
    QCOMPARE(dialog.process().tablesCopied(), 3);
    QCOMPARE(dialog.process().rowsCopied(), qint64(2002));
    QVERIFY(dialog.process().missing().contains(QStringLiteral("table quests")));
    QVERIFY(QFile::exists(target));
    QCOMPARE(QDir(dir.filePath("cache")).entryList(QDir::Files), QStringList{"copy.db"});
}

void TestJetImport::cancelEndsTheProcessAndLeavesNothing()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("copy.db");
    // A reader that has written part of its copy and goes on for a long time.
    const QString slow = script(dir, "slow.sh",
                                "echo partial > \"$3.$$.part\"\n"
                                "echo 'started 2 1000'\necho 'table 0 600 items'\necho 'rows 256'\nexec sleep 60");
    JetImportDialog dialog(slow, dir.filePath("gd.mdb"), target);
    whenShown([&](JetImportDialog& d) {
        QTRY_COMPARE(d.findChild<QLabel*>("ImportTable")->text(), QStringLiteral("Table 1 of 2: items"));
        QTRY_VERIFY(d.findChild<QLabel*>("ImportRows")->text().startsWith(QStringLiteral("256 of 600 rows")));
        QVERIFY(d.findChild<QProgressBar*>("ImportBar")->value() > 0);
        QVERIFY(!QDir(dir.path()).entryList({"*.part"}).isEmpty());
        QTest::mouseClick(d.findChild<QPushButton*>("ImportCancel"), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(dialog.process().cancelled());
    QVERIFY(!dialog.process().isRunning());
    QVERIFY(dialog.process().failure().isEmpty());
    QCOMPARE(QDir(dir.path()).entryList({"*.part", "*.db"}), QStringList());

    // The real import, cancelled as its first table begins.
    const QString source = dir.filePath("gd.mdb");
    writeSmallWorld(source, 20000);
    JetImportDialog real(kProgram, source, target);
    connect(&real.process(), &ImportProcess::tableStarted, &real, [&] { real.reject(); });
    QCOMPARE(real.exec(), int(QDialog::Rejected));
    QVERIFY(real.process().cancelled());
    QCOMPARE(QDir(dir.path()).entryList({"*.part", "*.db"}), QStringList());
    // Escape is a cancel too.
    JetImportDialog escaped(slow, source, target);
    whenShown([](JetImportDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    QCOMPARE(escaped.exec(), int(QDialog::Rejected));
    QVERIFY(escaped.process().cancelled());
}

void TestJetImport::aReaderThatCrashesHangsOrFailsIsNamed()
{
    QTemporaryDir dir;
    const QString source = dir.filePath("gd.mdb");
    const QString target = dir.filePath("copy.db");
    const struct {
        const char* name;
        const char* body;
        const char* says;
    } cases[] = {
        {"crash", "echo partial > \"$3.$$.part\"\necho 'table 0 5 monsters'\nkill -SEGV $$",
         "is truncated or damaged (the Jet reader stopped at table monsters)"},
        {"hang", "echo 'started 1 5'\nexec sleep 60", "is truncated or damaged (the Jet reader stopped responding while opening it)"},
        {"fail", "echo 'failed Database file X is damaged (row 3 of table drops)'\nexit 1",
         "Database file X is damaged (row 3 of table drops)"},
        {"silent", "exit 3", "ended without its copy (exit code 3)"},
    };
    for (const auto& c : cases) {
        ImportProcess process(script(dir, QString::fromLatin1(c.name) + ".sh", QString::fromLatin1(c.body)));
        // Only the hanging reader is meant to outlast the limit; a slow shell start must not.
        if (QByteArray(c.name) == "hang")
            process.setStallLimit(300);
        QSignalSpy finished(&process, &ImportProcess::finished);
        process.start(source, target);
        QVERIFY2(finished.wait(10000), c.name);
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY2(process.failure().contains(QString::fromLatin1(c.says)), qPrintable(process.failure()));
        if (QByteArray(c.name) != "fail" && QByteArray(c.name) != "silent")
            QVERIFY2(process.failure().startsWith("Database file " + source), qPrintable(process.failure()));
        QCOMPARE(QDir(dir.path()).entryList({"*.part", "*.db"}), QStringList());
    }
    ImportProcess missing(dir.filePath("no-such-program"));
    QSignalSpy finished(&missing, &ImportProcess::finished);
    missing.start(source, target);
    QVERIFY(missing.isFinished() || finished.wait(5000));
    QVERIFY(missing.failure().contains("cannot be started"));
}

void TestJetImport::startUpImportsOnceAndBrowsesTheCopyReadOnly()
{
    QTemporaryDir dir;
    const QString source = dir.filePath("game/gd.mdb");
    QDir().mkpath(dir.filePath("game"));
    writeSmallWorld(source);
    setImportProgram(kProgram);
    setImportCacheFolder(dir.filePath("cache"));
    DialogCounter counter;
    const int& dialogs = counter.shown;

    startTavrin(locateDatabase(source, {}));
    QCOMPARE(dialogs, 1);
    // What the file lacks is told once, after the import.
    QVERIFY2(g_reports.size() == 1, qPrintable(g_reports.join("\n--\n")));
    QVERIFY(g_reports[0].startsWith(source + " lacks what some windows read:"));
    QVERIFY(g_reports[0].contains(", quests\n"));
    Connection& c = DBModule->ADOConnection1;
    QVERIFY(c.isOpen());
    QVERIFY(c.isReadOnly());
    QVERIFY(c.readOnlyReason().contains(source));
    QVERIFY(c.readOnlyReason().contains("--convert"));
    const QString copy = Connection::dataSourceOf(c.connectionString());
    QVERIFY(copy.startsWith(dir.filePath("cache") + "/"));
    Dataset monsters(c);
    monsters.setSql("SELECT name FROM monsters ORDER BY id");
    monsters.open();
    monsters.fetchRows();
    QCOMPARE(monsters.recordCount(), 3);
    QCOMPARE(monsters.asText("name"), QStringLiteral("Wolf 0"));
    // A list over a table the file lacks fails naming the Jet file, not the copy.
    Dataset quests(c);
    quests.setSql("SELECT * FROM quests");
    try {
        quests.open();
        QFAIL("no error");
    } catch (const DbError& e) {
        QVERIFY2(e.message().startsWith("Database file " + source + " lacks a table"), qPrintable(e.message()));
    }
    stopTavrin();

    // The same file again: the copy is used as it is, no dialog, no message.
    const QDateTime made = QFileInfo(copy).lastModified();
    g_reports.clear();
    startTavrin(locateDatabase(source, {}));
    QCOMPARE(dialogs, 1);
    QVERIFY(g_reports.isEmpty());
    QCOMPARE(Connection::dataSourceOf(DBModule->ADOConnection1.connectionString()), copy);
    QCOMPARE(QFileInfo(copy).lastModified(), made);
    stopTavrin();

    // Touched: imported again, the old copy cleared away.
    QFile touched(source);
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    touched.close();
    startTavrin(locateDatabase(source, {}));
    QCOMPARE(dialogs, 2);
    const QString second = Connection::dataSourceOf(DBModule->ADOConnection1.connectionString());
    QVERIFY(second != copy);
    QCOMPARE(QDir(dir.filePath("cache")).entryList(QDir::Files), QStringList{QFileInfo(second).fileName()});
    stopTavrin();

    // A copy damaged since it was made is made again.
    QFile damaged(second);
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a database any more");
    damaged.close();
    startTavrin(locateDatabase(source, {}));
    QCOMPARE(dialogs, 3);
    QVERIFY(DBModule->ADOConnection1.isOpen());
    stopTavrin();
}

void TestJetImport::aCancelledStartUpSaysSoAndImportsNextTime()
{
    QTemporaryDir dir;
    const QString source = dir.filePath("gd.mdb");
    writeSmallWorld(source, 20000);
    setImportProgram(kProgram);
    setImportCacheFolder(dir.filePath("cache"));
    whenShown([](JetImportDialog& d) { d.reject(); });
    startTavrin(locateDatabase(source, {}));
    QVERIFY2(g_reports.size() == 1, qPrintable(g_reports.join("\n--\n")));
    QVERIFY2(g_reports[0].startsWith("The import of " + source + " was cancelled; nothing was written"), qPrintable(g_reports[0]));
    Connection& c = DBModule->ADOConnection1;
    QVERIFY(!c.isOpen());
    QVERIFY(!c.isReadOnly());
    // A window opened later says the file was not imported, rather than anything about SQLite.
    try {
        c.open();
        QFAIL("no error");
    } catch (const DbError& e) {
        QVERIFY2(e.message().contains("has not been imported"), qPrintable(e.message()));
    }
    QVERIFY(ImportCache(dir.filePath("cache")).currentCopy(source).isEmpty());
    stopTavrin();
    QCOMPARE(QDir(dir.filePath("cache")).entryList({"*.part"}), QStringList());
}

int main(int argc, char** argv)
{
    // The program's application: handlers report their failures through the error report.
    TavrinApplication app(argc, argv);
    TestJetImport test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_jetimport.moc"

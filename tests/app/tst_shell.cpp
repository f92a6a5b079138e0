// The shell around the commands: error report, failed window creation, start-up without a
// database, the about box, the hint status bar and the sponsor banner.

#include "app/AboutBox.h"
#include "app/ErrorReport.h"
#include "app/MainForm.h"
#include "app/SponsorBanner.h"
#include "app/Startup.h"
#include "app/TavrinApplication.h"
#include "data/DbError.h"
#include "data/DBModule.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList g_reports;
void recordReport(const QString& text)
{
    g_reports << text;
}

// The application as the program runs it, counting the exceptions that unwind through Qt's
// event delivery; they go on into the test, which fails on them.
int g_escaped = 0;
class WatchedApplication : public TavrinApplication {
public:
    using TavrinApplication::TavrinApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            ++g_escaped;
            throw;
        }
    }
};

// An event handler that fails outside any handler edge of ours.
class FailingReceiver : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw DbError(QStringLiteral("unguarded failure"));
        return QObject::event(e);
    }
};

// Receives the addresses the banner asks the desktop to open.
class UrlSink : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

QAction* action(QWidget& form, const char* name)
{
    return form.findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        g_reports.clear();
        g_escaped = 0;
        setErrorReporter(recordReport);
    }
    void cleanup() { setErrorReporter(nullptr); }

    void failureInACommandIsReportedAndTheProgramGoesOn();
    void notifyStaysTheLastNet();
    void failedCreationLeavesNoRequestRaised();
    void databaseFailureKeepsItsStatementForTheDetails();
    void startUpWithoutDatabase();
    void aboutBoxIsOneDialogShownAgain();
    void statusBarShowsTheLongHint();
    void bannerKeepsItsPlaceAndOpensTheSponsor();
};

void TestShell::failureInACommandIsReportedAndTheProgramGoesOn()
{
    bool fail = true;
    QList<WindowKind> opened;
    TMainForm form([&](WindowKind k, NavigationHost&) -> QWidget* {
        if (fail)
            throw DbError(QStringLiteral("Database file not found: /nowhere/gd.mdb"));
        opened << k;
        return new QWidget;
    });
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* button = form.findChild<QToolButton*>(QStringLiteral("ToolButton9"));
    QTest::mouseClick(button, Qt::LeftButton); // a real click, delivered through the event loop
    QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
    action(form, "Misc1")->trigger();
    // Each failure reported once, at the command's own edge: none went through Qt's frames.
    QCOMPARE(g_reports, QStringList({"Database file not found: /nowhere/gd.mdb",
                                     "Database file not found: /nowhere/gd.mdb",
                                     "Database file not found: /nowhere/gd.mdb"}));
    QCOMPARE(g_escaped, 0);
    QVERIFY(form.clientArea()->subWindowList().isEmpty());
    for (QAction* a : form.findChild<QMenu*>(QStringLiteral("Window1"))->actions())
        QVERIFY(!a->isEnabled());

    fail = false;
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(opened, QList<WindowKind>({WindowKind::Weapons, WindowKind::Monsters}));
    QCOMPARE(form.clientArea()->subWindowList().size(), 2);
    QCOMPARE(g_reports.size(), 3);
    for (QAction* a : form.findChild<QMenu*>(QStringLiteral("Window1"))->actions())
        QVERIFY(a->isEnabled());
}

void TestShell::notifyStaysTheLastNet()
{
    FailingReceiver receiver;
    QEvent event(QEvent::User);
    auto* app = static_cast<TavrinApplication*>(QCoreApplication::instance());
    QVERIFY(!app->TavrinApplication::notify(&receiver, &event));
    QCOMPARE(g_reports, QStringList{"unguarded failure"});
}

void TestShell::failedCreationLeavesNoRequestRaised()
{
    bool fail = true;
    struct Seen {
        bool itemPending, monsterPending;
        QString itemId;
    };
    QList<Seen> seen;
    TMainForm form([&](WindowKind, NavigationHost& host) -> QWidget* {
        seen << Seen{host.ItemLocatePending, host.MonsterLocatePending, host.ItemLocateId};
        if (fail)
            throw DbError(QStringLiteral("no such table: weapons"));
        host.ItemLocatePending = false; // a consumer clears what it reads
        host.ItemLocateId.clear();
        return new QWidget;
    });
    QVERIFY(!form.ItemLocatePending && !form.MonsterLocatePending);
    QVERIFY(form.ItemLocateId.isEmpty() && form.MonsterLocateId.isEmpty());

    // A jump to a weapon whose window cannot be built ...
    form.ItemLocatePending = true;
    form.ItemLocateId = QStringLiteral("57");
    bool threw = false;
    try {
        form.openWindow(WindowKind::Weapons);
    } catch (const DbError& e) {
        threw = e.message() == QStringLiteral("no such table: weapons");
    }
    QVERIFY(threw);
    QCOMPARE(seen.size(), 1);
    QVERIFY(seen[0].itemPending);
    QCOMPARE(seen[0].itemId, QStringLiteral("57"));
    QVERIFY(!form.ItemLocatePending);
    QVERIFY(form.ItemLocateId.isEmpty());

    // ... must not move the armor window the user opens next.
    fail = false;
    action(form, "FileCloseItem")->trigger();
    QCOMPARE(seen.size(), 2);
    QVERIFY(!seen[1].itemPending);
    QVERIFY(seen[1].itemId.isEmpty());

    // The same for the monster request.
    fail = true;
    form.MonsterLocatePending = true;
    form.MonsterLocateId = QStringLiteral("20001");
    QVERIFY_THROWS_EXCEPTION(DbError, form.openWindow(WindowKind::Monsters));
    QVERIFY(!form.MonsterLocatePending);
    QVERIFY(form.MonsterLocateId.isEmpty());
}

namespace {
struct ShownBox {
    QString text, details;
    bool shown = false;
};

// Reads the error box that the next report opens and closes it with its OK button.
void readNextErrorBox(ShownBox& seen)
{
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {box->text(), box->detailedText(), true};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
}
} // namespace

void TestShell::databaseFailureKeepsItsStatementForTheDetails()
{
    setErrorReporter(nullptr); // the real box
    const DbError damaged = DbError::readFailure(QStringLiteral("/games/gd.mdb"), QStringLiteral("is damaged"),
                                                 QStringLiteral("Statement:\nSELECT *\nFROM weapons"));
    TMainForm form([&](WindowKind, NavigationHost&) -> QWidget* {
        DbError failure = damaged;
        failure.setList(QStringLiteral("QueryWeapons"));
        throw failure;
    });
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    ShownBox seen;
    readNextErrorBox(seen);
    QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("ToolButton9")), Qt::LeftButton);
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, QStringLiteral("Database file /games/gd.mdb is damaged: the list QueryWeapons could not be read."));
    QCOMPARE(seen.details, QStringLiteral("Statement:\nSELECT *\nFROM weapons"));

    // Any other failure shows its own text and no details.
    seen = {};
    readNextErrorBox(seen);
    showFailure(std::runtime_error("Out of paper"));
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, QStringLiteral("Out of paper"));
    QVERIFY(seen.details.isEmpty());
}

void TestShell::startUpWithoutDatabase()
{
    QTemporaryDir empty;
    const QString folder = empty.path() + QLatin1Char('/');
    startTavrin(folder);
    QVERIFY(MainForm && AboutBox && DBModule);
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Tavrin"));
    QCOMPARE(g_reports.size(), 1); // one box, before the main window is visible
    QVERIFY(g_reports[0].contains(QStringLiteral("gd.mdb")));
    QVERIFY(!MainForm->isVisible());
    QVERIFY(!AboutBox->isVisible());
    QVERIFY(!DBModule->ADOConnection1.isOpen());
    QCOMPARE(MainForm->windowTitle(), QStringLiteral("Tavrin v.0.6"));
    QCOMPARE(MainForm->minimumSize(), QSize(850, 480));

    MainForm->show();
    QVERIFY(QTest::qWaitForWindowActive(MainForm));
    // Every command that opens a window fails again with the database's text and opens nothing.
    const int before = int(g_reports.size());
    QTest::keyClick(MainForm, Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(MainForm, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(MainForm->clientArea()->subWindowList().isEmpty());
    QCOMPARE(g_reports.size(), before + 2);
    QCOMPARE(g_escaped, 0);
    for (int i = before; i < g_reports.size(); ++i)
        QVERIFY(g_reports[i].contains(QStringLiteral("gd.mdb")));

    action(*MainForm, "FileExitItem")->trigger();
    QVERIFY(!MainForm->isVisible());
    stopTavrin();
    QVERIFY(!MainForm && !AboutBox && !DBModule);
    stopTavrin(); // a second stop finds nothing left to destroy
}

void TestShell::aboutBoxIsOneDialogShownAgain()
{
    TMainForm form([](WindowKind, NavigationHost&) -> QWidget* { return nullptr; });
    TAboutBox about;
    AboutBox = &about;
    QList<QWidget*> shown;
    bool okHasFocus = false;
    auto closeWithEnter = [&] {
        shown << QApplication::activeModalWidget();
        okHasFocus = about.focusWidget() == about.OKButton();
        QTest::keyClick(about.focusWidget(), Qt::Key_Return);
    };
    QTimer::singleShot(0, &about, closeWithEnter);
    action(form, "HelpAboutItem")->trigger();
    QVERIFY(okHasFocus);
    QCOMPARE(about.result(), int(QDialog::Accepted));
    QTimer::singleShot(0, &about, closeWithEnter);
    action(form, "HelpAboutItem")->trigger();
    AboutBox = nullptr;

    QCOMPARE(shown, QList<QWidget*>({&about, &about}));
    QVERIFY(!about.isVisible());
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.size(), QSize(298, 178));
    QVERIFY(about.OKButton()->isDefault());
    QCOMPARE(about.OKButton()->geometry(), QRect(117, 143, 65, 29));
    QStringList texts;
    for (QLabel* l : about.findChildren<QLabel*>())
        if (!l->text().isEmpty())
            texts << l->text();
    QVERIFY(texts.contains(QStringLiteral("Tavrin")));
    QVERIFY(texts.contains(QStringLiteral("Version: 0.6")));
    // Every line stands inside the panel, clear of its edges, whatever the face's height.
    auto* panel = about.findChild<QFrame*>(QStringLiteral("Panel1"));
    QVERIFY(panel);
    const QRect inside = panel->contentsRect().adjusted(0, 2, 0, -2);
    for (QLabel* l : panel->findChildren<QLabel*>())
        QVERIFY2(inside.contains(l->geometry()), qPrintable(l->objectName()));
}

void TestShell::statusBarShowsTheLongHint()
{
    TMainForm form([](WindowKind, NavigationHost&) -> QWidget* { return nullptr; });
    form.resize(900, 600);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QStatusBar* status = form.statusBar();
    QCOMPARE(status->height(), 19);
    QVERIFY(status->font().bold());
    QCOMPARE(status->font().pixelSize(), 13);

    auto* banner = form.findChild<SponsorBanner*>();
    QTest::mouseMove(banner, QPoint(100, 20));
    QTRY_COMPARE(status->currentMessage(), QStringLiteral("Our Sponsor -- Best Free Vendra Server  -- Join Now !"));
    auto* armor = form.findChild<QToolButton*>(QStringLiteral("ToolButton2"));
    QTest::mouseMove(armor, QPoint(10, 10));
    QTRY_COMPARE(status->currentMessage(), QStringLiteral("Armor"));

    // A menu item shows the part of its hint after the bar.
    auto* file = form.findChild<QMenu*>(QStringLiteral("File1"));
    file->popup(form.mapToGlobal(QPoint(10, 30)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    QAction* sets = action(form, "FileSaveAsItem");
    QTest::mouseMove(file, file->actionGeometry(sets).center());
    QTRY_COMPARE(status->currentMessage(), QStringLiteral("Save current file with different name"));
    file->close();
}

void TestShell::bannerKeepsItsPlaceAndOpensTheSponsor()
{
    TMainForm form([](WindowKind, NavigationHost&) -> QWidget* { return nullptr; });
    form.resize(900, 600);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* banner = form.findChild<SponsorBanner*>();
    QWidget* panel = banner->parentWidget();
    QCOMPARE(panel->objectName(), QStringLiteral("Panel1"));
    QCOMPARE(panel->height(), 66);
    QCOMPARE(banner->geometry(), QRect(448, 2, 374, 57));
    form.resize(1250, 700);
    QTRY_COMPARE(panel->width(), form.centralWidget()->width());
    QCOMPARE(banner->geometry(), QRect(448, 2, 374, 57));
    form.resize(850, 480);
    QTRY_COMPARE(panel->width(), form.centralWidget()->width());
    QCOMPARE(banner->geometry(), QRect(448, 2, 374, 57));

    UrlSink sink;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &sink, "open");
    QTest::mousePress(banner, Qt::LeftButton, {}, QPoint(50, 20));
    QVERIFY(sink.urls.isEmpty()); // the press alone opens nothing
    QTest::mouseRelease(banner, Qt::LeftButton, {}, QPoint(50, 20));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(sink.urls, QList<QUrl>{SponsorBanner::sponsorAddress()});
}

int main(int argc, char** argv)
{
    WatchedApplication app(argc, argv);
    TestShell test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shell.moc"

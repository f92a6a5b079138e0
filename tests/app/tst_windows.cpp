// The program's own window factory behind the commands: the Recipes, Skils and Quests commands
// open their windows over the fixture database, a new one each time; ending the program over a
// maintenance window's changed row asks first.

#include "app/MainForm.h"
#include "app/Startup.h"
#include "app/TavrinApplication.h"
#include "tools/gendb/Generator.h"
#include "data/Dataset.h"
#include "windows/DbMaintain.h"
#include "windows/Quest.h"
#include "windows/Recipes.h"
#include "windows/Skils.h"

#include <QMdiArea>
#include <QMessageBox>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        gen::generateFixture(m_dir.filePath(QStringLiteral("gd.mdb")), m_dir.filePath(QStringLiteral("images")));
        startTavrin(m_dir.path() + QLatin1Char('/'));
        MainForm->show();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
    }
    void cleanupTestCase() { stopTavrin(); }

    void commandsOpenTheirWindows_data();
    void commandsOpenTheirWindows();
    void endingOverAChangedRowAsks();

private:
    QTemporaryDir m_dir;
};

void TestWindows::commandsOpenTheirWindows_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("caption");
    QTest::newRow("recipes") << int(Qt::Key_R) << "ToolButton12" << "FileOpenItem" << "Recipes";
    QTest::newRow("skils") << int(Qt::Key_U) << "ToolButton8" << "Skils1" << "Skils";
    QTest::newRow("quests") << int(Qt::Key_Q) << "ToolButton14" << "Quests1" << "Quests";
}

void TestWindows::commandsOpenTheirWindows()
{
    QFETCH(int, key);
    QFETCH(QString, button);
    QFETCH(QString, menuItem);
    QFETCH(QString, caption);
    QMdiArea* area = MainForm->clientArea();
    const int before = int(area->subWindowList().size());
    QTest::keyClick(MainForm, Qt::Key(key), Qt::ControlModifier);
    QTest::mouseClick(MainForm->findChild<QToolButton*>(button), Qt::LeftButton);
    MainForm->findChild<QAction*>(menuItem)->trigger();
    const QList<QMdiSubWindow*> windows = area->subWindowList();
    QCOMPARE(int(windows.size()), before + 3);
    for (int i = before; i < windows.size(); ++i) {
        QWidget* form = windows[i]->widget();
        QCOMPARE(form->windowTitle(), caption);
        const bool rightClass = caption == QLatin1String("Skils")    ? qobject_cast<TSkilsForm*>(form) != nullptr
                                : caption == QLatin1String("Quests") ? qobject_cast<TQuestForm*>(form) != nullptr
                                                                     : qobject_cast<TRecipesForm*>(form) != nullptr;
        QVERIFY(rightClass);
    }
}

void TestWindows::endingOverAChangedRowAsks()
{
    MainForm->openWindow(WindowKind::DbMaintain);
    QMdiSubWindow* child = MainForm->clientArea()->subWindowList(QMdiArea::CreationOrder).last();
    auto* form = qobject_cast<TDbMaintainForm*>(child->widget());
    QVERIFY(form);
    Dataset* names = form->findChild<Dataset*>(QStringLiteral("ADOMonstersName"));
    names->setFieldText(QStringLiteral("title"), QStringLiteral("Typed"));
    // The user keeps the row: the program does not end.
    QTimer::singleShot(50, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Cancel)->click();
    });
    QVERIFY(!MainForm->close());
    QVERIFY(MainForm->isVisible());
    QCOMPARE(names->state(), DatasetState::Edit);
    QCOMPARE(names->asText(QStringLiteral("title")), QStringLiteral("Typed"));
    names->cancel();
    child->close();
    QTRY_VERIFY(!MainForm->clientArea()->subWindowList().contains(child));
}

int main(int argc, char** argv)
{
    TavrinApplication app(argc, argv);
    TestWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windows.moc"

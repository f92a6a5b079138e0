#include "app/Startup.h"

#include "app/AboutBox.h"
#include "app/BrowseWindowFactory.h"
#include "app/DatabaseLocation.h"
#include "app/JetOpening.h"
#include "app/MainForm.h"
#include "app/ToolPictures.h"
#include "browse/HandlerGuard.h"
#include "browse/IconCell.h"
#include "data/DBModule.h"
#include "data/DatabaseFileCheck.h"
#include "data/DbError.h"

#include <QApplication>
#include <QIcon>
#include <QDir>

namespace {

void createForms()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tavrin"));
    // Every window without an icon of its own (child windows, message boxes) shows the program's.
    QApplication::setWindowIcon(programIcon());
    MainForm = new TMainForm(createBrowseWindow);
    AboutBox = new TAboutBox;
    DBModule = new TDBModule;
}

} // namespace

void startTavrin(const QString& exeFolderWithSeparator)
{
    createForms();
    // Outside the message loop no handler of ours is around it; the report is the same.
    guarded([&] {
        const QString file = exeFolderWithSeparator + QStringLiteral("gd.mdb");
        if (isJetDatabaseFile(file))
            openJetDatabase(*DBModule, file);
        else
            DBModule->DataModuleCreate(exeFolderWithSeparator);
    });
}

void startTavrin(const DatabaseLocation& location)
{
    createForms();
    setPictureFolder(location.folder());
    guarded([&] {
        if (!location.found() && location.tried.size() > 1) {
            // Later windows retry the first place, as they would after any failed open.
            DBModule->ADOConnection1.setConnectionString(Connection::composeConnectionStringForFile(location.file));
            throw DbError(notFoundAnywhereMessage(location));
        }
        // A Jet/Access file is browsed through its imported copy.
        if (isJetDatabaseFile(location.file))
            openJetDatabase(*DBModule, location.file);
        else
            DBModule->openDatabaseFile(location.file);
    });
}

void stopTavrin()
{
    if (MainForm)
        MainForm->destroyChildWindows();
    if (DBModule) {
        DBModule->DataModuleDestroy();
        delete DBModule;
        DBModule = nullptr;
    }
    delete AboutBox;
    AboutBox = nullptr;
    delete MainForm;
    MainForm = nullptr;
}

QString executableFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

#include "app/Startup.h"

#include "app/AboutBox.h"
#include "app/BrowseWindowFactory.h"
#include "app/MainForm.h"
#include "app/ToolPictures.h"
#include "browse/HandlerGuard.h"
#include "data/DBModule.h"

#include <QApplication>
#include <QIcon>
#include <QDir>

void startTavrin(const QString& exeFolderWithSeparator)
{
    QCoreApplication::setApplicationName(QStringLiteral("Tavrin"));
    // Every window without an icon of its own (child windows, message boxes) shows the program's.
    QApplication::setWindowIcon(QIcon(programPicture()));
    MainForm = new TMainForm(createBrowseWindow);
    AboutBox = new TAboutBox;
    DBModule = new TDBModule;
    // Outside the message loop no handler of ours is around it; the report is the same.
    guarded([&] { DBModule->DataModuleCreate(exeFolderWithSeparator); });
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

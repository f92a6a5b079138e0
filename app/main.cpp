#include "app/CommandLine.h"
#include "app/ConvertCommand.h"
#include "app/DatabaseLocation.h"
#include "app/MainForm.h"
#include "app/QuitAfterFirstPaint.h"
#include "app/Startup.h"
#include "app/TavrinApplication.h"
#include "browse/HandlerGuard.h"
#include "import/ImportCommand.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <cstdio>

namespace {

QStringList argumentList(int argc, char* argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

void print(std::FILE* to, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

} // namespace

int main(int argc, char* argv[])
{
    // Read before the application object exists: help and a refusal need no display.
    const CommandLine line = parseCommandLine(argumentList(argc, argv));
    switch (line.action) {
    case CommandLine::Action::ShowHelp:
        print(stdout, commandLineUsage());
        return 0;
    case CommandLine::Action::ShowVersion:
        print(stdout, QStringLiteral("Tavrin " TAVRIN_VERSION "\n"));
        return 0;
    case CommandLine::Action::Refuse:
        print(stderr, QStringLiteral("tavrin: %1\n\n").arg(line.problem) + commandLineUsage());
        return 2;
    case CommandLine::Action::Convert: {
        // No display: the conversion opens no window.
        QCoreApplication app(argc, argv);
        return runConvert(line.source, line.target, QCoreApplication::applicationFilePath(), stdout, stderr);
    }
    case CommandLine::Action::ImportJet: {
        QCoreApplication app(argc, argv);
        return runImportCommand(line.source, line.target, stdout);
    }
    case CommandLine::Action::Run:
        break;
    }

    TavrinApplication app(argc, argv);
    // The user's data folder is named after the program.
    QCoreApplication::setApplicationName(QStringLiteral("Tavrin"));
    startTavrin(locateDatabase(line.database, usualDatabaseFolders(executableFolder())));
    MainForm->showToolsMenu(line.maintenance);
    // Without a window manager nothing honours "maximised"; start out at the screen's size then.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        MainForm->setGeometry(screen->availableGeometry());
    MainForm->showMaximized();
    if (line.open)
        guarded([&] { MainForm->openWindow(*line.open); });
    // For timing start-up as a whole process: the first paint of the main window ends the run.
    if (qEnvironmentVariableIsSet("TAVRIN_QUIT_AFTER_SHOW"))
        app.installEventFilter(new QuitAfterFirstPaint(MainForm, &app));
    const int result = app.exec();
    stopTavrin();
    return result;
}

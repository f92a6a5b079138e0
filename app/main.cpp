#include "app/CommandLine.h"
#include "app/MainForm.h"
#include "app/QuitAfterFirstPaint.h"
#include "app/Startup.h"
#include "app/TavrinApplication.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    TavrinApplication app(argc, argv);
    // The application has taken the toolkit's own options (-platform, -style) out of the list.
    QCoreApplication::setApplicationVersion(QStringLiteral("0.6"));
    const CommandLineChoice choice = readCommandLine(QCoreApplication::arguments());
    if (!choice.run) {
        std::fputs(choice.text.toLocal8Bit().constData(), choice.toErrorStream ? stderr : stdout);
        return choice.exitCode;
    }
    startTavrin(executableFolder());
    MainForm->showToolsMenu(choice.maintenance);
    // Without a window manager nothing honours "maximised"; start out at the screen's size then.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        MainForm->setGeometry(screen->availableGeometry());
    MainForm->showMaximized();
    // For timing start-up as a whole process: the first paint of the main window ends the run.
    if (qEnvironmentVariableIsSet("TAVRIN_QUIT_AFTER_SHOW"))
        app.installEventFilter(new QuitAfterFirstPaint(MainForm, &app));
    const int result = app.exec();
    stopTavrin();
    return result;
}

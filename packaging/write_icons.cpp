// Writes the program icon as hicolor PNG files for installation: <out>/<N>x<N>/apps/<name>.png.

#include "app/ToolPictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tavrin_icons OUTPUT-FOLDER ICON-NAME\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : programIconSizes()) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !programPicture(size).save(file, "PNG")) {
            std::fprintf(stderr, "tavrin_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

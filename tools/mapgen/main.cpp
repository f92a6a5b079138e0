// tavrin_mapgen OUTPUT.jpg [PREVIEW.png]: paints the world map and writes it as a JPEG.

#include "tools/mapgen/JpegWriter.h"
#include "tools/mapgen/MapPainter.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tavrin_mapgen OUTPUT.jpg [PREVIEW.png]\n");
        return 2;
    }
    // Fonts need a GUI application; the tool never shows a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // The picture's size is fixed: the monsters window stretches it, the spawn frame spans it.
    const QImage map = paintWorldMap(798, 717);
    QString error;
    const QByteArray jpeg = encodeJpeg(map, 85, &error);
    if (jpeg.isEmpty()) {
        std::fprintf(stderr, "tavrin_mapgen: JPEG encoding failed: %s\n", qPrintable(error));
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(jpeg) != jpeg.size() || !out.flush()) {
        std::fprintf(stderr, "tavrin_mapgen: cannot write %s: %s\n", argv[1], qPrintable(out.errorString()));
        return 1;
    }
    if (argc == 3 && !map.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "tavrin_mapgen: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

// Icon cells: which file a value names, where the picture lands, and what a paint leaves.

#include "browse/IconCell.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

class IconCellTest : public QObject {
    Q_OBJECT
private slots:
    void filePathFollowsTheNamingRule_data();
    void filePathFollowsTheNamingRule();
    void pictureIsCentredByTruncatingDivision_data();
    void pictureIsCentredByTruncatingDivision();
    void paintDrawsThePictureOnWhite();
    void missingFilesLeaveAPlainWhiteCell_data();
    void missingFilesLeaveAPlainWhiteCell();
};

void IconCellTest::filePathFollowsTheNamingRule_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bare name") << "/opt/tavrin/" << "abc" << "/opt/tavrin/images//abc.BMP";
    QTest::newRow("own extension replaced") << "/opt/tavrin/" << "abc.gif" << "/opt/tavrin/images//abc.BMP";
    QTest::newRow("only the last dot counts") << "/opt/tavrin/" << "a.b.c" << "/opt/tavrin/images//a.b.BMP";
    QTest::newRow("upper-case extension too") << "/opt/tavrin/" << "sword.BMP" << "/opt/tavrin/images//sword.BMP";
    QTest::newRow("empty names the fallback") << "/opt/tavrin/" << "" << "/opt/tavrin/images//none.BMP";
    QTest::newRow("dots in the folder never count") << "/opt/my.app.v2/" << "abc" << "/opt/my.app.v2/images//abc.BMP";
    QTest::newRow("dot in a folder of the value") << "/x/" << "sub.d/abc" << "/x/images//sub.d/abc.BMP";
    QTest::newRow("trailing dot") << "/x/" << "abc." << "/x/images//abc.BMP";
}

void IconCellTest::filePathFollowsTheNamingRule()
{
    QFETCH(QString, folder);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(iconFilePath(folder, value), expected);
}

void IconCellTest::pictureIsCentredByTruncatingDivision_data()
{
    QTest::addColumn<QRect>("cell");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QPoint>("topLeft");
    // Edges are left/top and the exclusive right/bottom: a 40-wide cell at 0 has right = 40.
    QTest::newRow("32 in 40x34") << QRect(0, 0, 40, 34) << QSize(32, 32) << QPoint(4, 1);
    QTest::newRow("odd leftover rounds down") << QRect(10, 20, 40, 35) << QSize(31, 32) << QPoint(14, 21);
    QTest::newRow("larger than the cell") << QRect(0, 0, 40, 34) << QSize(64, 48) << QPoint(-12, -7);
    QTest::newRow("negative odd truncates toward zero") << QRect(0, 0, 40, 20) << QSize(45, 27) << QPoint(-2, -3);
    QTest::newRow("empty picture") << QRect(100, 50, 40, 34) << QSize(0, 0) << QPoint(120, 67);
}

void IconCellTest::pictureIsCentredByTruncatingDivision()
{
    QFETCH(QRect, cell);
    QFETCH(QSize, picture);
    QFETCH(QPoint, topLeft);
    QCOMPARE(iconTopLeft(cell, picture), topLeft);
}

namespace {
QImage paintCell(const QString& folder, const QString& value, const QSize& size = QSize(40, 34))
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::darkBlue);  // as if the row were highlighted
    QPainter painter(&canvas);
    drawIconCell(painter, QRect(QPoint(0, 0), size), folder, value);
    painter.end();
    return canvas;
}

bool allWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}
}

void IconCellTest::paintDrawsThePictureOnWhite()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("images")));
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(folder + QStringLiteral("images/abc.BMP"), "BMP"));

    const QImage cell = paintCell(folder, QStringLiteral("abc.gif"));
    // Picture at (4, 1), natural size; the rest of the cell white, never the highlight.
    QCOMPARE(cell.pixel(4, 1), qRgb(255, 0, 0));
    QCOMPARE(cell.pixel(35, 32), qRgb(255, 0, 0));
    QCOMPARE(cell.pixel(3, 1), qRgb(255, 255, 255));
    QCOMPARE(cell.pixel(36, 33), qRgb(255, 255, 255));
    QCOMPARE(cell.pixel(20, 0), qRgb(255, 255, 255));

    // Nothing is cached: a changed file shows at the next paint.
    red.fill(Qt::green);
    QVERIFY(red.save(folder + QStringLiteral("images/abc.BMP"), "BMP"));
    QCOMPARE(paintCell(folder, QStringLiteral("abc")).pixel(20, 17), qRgb(0, 255, 0));
}

void IconCellTest::missingFilesLeaveAPlainWhiteCell_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("writeGarbage");
    QTest::newRow("no such file") << "missing_icon" << false;
    QTest::newRow("empty value and no none.BMP") << "" << false;
    QTest::newRow("file that is no picture") << "broken" << true;
}

void IconCellTest::missingFilesLeaveAPlainWhiteCell()
{
    QFETCH(QString, value);
    QFETCH(bool, writeGarbage);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("images")));
    if (writeGarbage) {
        QFile f(folder + QStringLiteral("images/broken.BMP"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("BM not really a bitmap");
    }
    QVERIFY(allWhite(paintCell(folder, value)));
}

QTEST_MAIN(IconCellTest)
#include "IconCellTest.moc"

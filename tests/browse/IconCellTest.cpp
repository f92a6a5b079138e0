// Icon cells: which file a value names, where the picture lands, and what a paint leaves.

#include "browse/IconCell.h"
#include "browse/IconPictureCache.h"

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
    void namesStayInsideTheImagesFolder();
    void largerPicturesAreClippedToTheirCell();
    void farLargerPicturesAreRefused_data();
    void farLargerPicturesAreRefused();
    void decodedPicturesAreKeptUntilTheFileChanges();
    void namesDifferingOnlyInCaseAreFound();
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
    QTest::newRow("dots that are no step up") << "/x/" << "..abc" << "/x/images//..BMP";
    QTest::newRow("step up") << "/x/" << "../abc" << "";
    QTest::newRow("step up with backslashes") << "/x/" << "..\\..\\abc" << "";
    QTest::newRow("step up inside the value") << "/x/" << "sub/../../abc" << "";
    QTest::newRow("step up to the folder's parent") << "/x/" << ".." << "/x/images//..BMP";
    QTest::newRow("NUL cuts no path short") << "/x/" << QStringLiteral("abc") + QChar(0) + QStringLiteral("/x") << "";
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
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kHighlight = qRgb(0, 0, 128);

QImage paintCell(const QString& folder, const QString& value, IconPictureCache& cache, const QSize& size = QSize(40, 34))
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(kHighlight);  // as if the row were highlighted
    QPainter painter(&canvas);
    drawIconCell(painter, QRect(QPoint(0, 0), size), folder, value, cache);
    painter.end();
    return canvas;
}

QImage paintCell(const QString& folder, const QString& value, const QSize& size = QSize(40, 34))
{
    IconPictureCache cache;
    return paintCell(folder, value, cache, size);
}

// A plain picture of one colour, written as a bitmap into <folder>/images.
void writePicture(const QString& folder, const QString& name, const QSize& size, const QColor& colour)
{
    QVERIFY(QDir(folder).mkpath(QStringLiteral("images")));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(folder + QStringLiteral("images/") + name, "BMP"));
}

void setModified(const QString& path, const QDateTime& when)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
}

bool allWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite)
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

    IconPictureCache cache;
    const QImage cell = paintCell(folder, QStringLiteral("abc.gif"), cache);
    // Picture at (4, 1), natural size; the rest of the cell white, never the highlight.
    QCOMPARE(cell.pixel(4, 1), qRgb(255, 0, 0));
    QCOMPARE(cell.pixel(35, 32), qRgb(255, 0, 0));
    QCOMPARE(cell.pixel(3, 1), kWhite);
    QCOMPARE(cell.pixel(36, 33), kWhite);
    QCOMPARE(cell.pixel(20, 0), kWhite);

    // A changed file shows at the next paint.
    red.fill(Qt::green);
    QVERIFY(red.save(folder + QStringLiteral("images/abc.BMP"), "BMP"));
    QCOMPARE(paintCell(folder, QStringLiteral("abc"), cache).pixel(20, 17), qRgb(0, 255, 0));
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

void IconCellTest::namesStayInsideTheImagesFolder()
{
    // A picture beside images/ and one inside: only the inside one may ever show.
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/app/");
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("app/images/sub")));
    writePicture(folder, QStringLiteral("sub/abc.BMP"), QSize(32, 32), Qt::red);
    writePicture(folder, QStringLiteral("../outside.BMP"), QSize(32, 32), Qt::red);
    QVERIFY(QFile::exists(folder + QStringLiteral("outside.BMP")));
    QCOMPARE(paintCell(folder, QStringLiteral("sub/abc")).pixel(20, 17), kRed);
    for (const char* value : {"../outside", "sub/../../outside", "..\\outside", "../images/../outside"})
        QVERIFY2(allWhite(paintCell(folder, QString::fromLatin1(value))), value);
}

void IconCellTest::largerPicturesAreClippedToTheirCell()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    writePicture(folder, QStringLiteral("wide.BMP"), QSize(400, 300), Qt::red);
    // The icon cell between two highlighted neighbours of a row.
    QImage row(120, 34, QImage::Format_RGB32);
    row.fill(kHighlight);
    QPainter painter(&row);
    IconPictureCache cache;
    drawIconCell(painter, QRect(40, 0, 40, 34), folder, QStringLiteral("wide"), cache);
    painter.end();
    for (int y = 0; y < row.height(); ++y)
        for (int x = 0; x < row.width(); ++x) {
            const QRgb expected = x >= 40 && x < 80 ? kRed : kHighlight;
            QVERIFY2(row.pixel(x, y) == expected, qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
        }
}

void IconCellTest::farLargerPicturesAreRefused_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("shown");
    // The cell is 40 x 34: up to sixteen cells each way is a picture, beyond that a fault.
    QTest::newRow("sixteen cells wide") << QSize(640, 10) << true;
    QTest::newRow("sixteen cells high") << QSize(10, 544) << true;
    QTest::newRow("wider") << QSize(641, 10) << false;
    QTest::newRow("higher") << QSize(10, 545) << false;
    QTest::newRow("both") << QSize(700, 700) << false;
}

void IconCellTest::farLargerPicturesAreRefused()
{
    QFETCH(QSize, picture);
    QFETCH(bool, shown);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    writePicture(folder, QStringLiteral("big.BMP"), picture, Qt::red);
    const QImage cell = paintCell(folder, QStringLiteral("big"));
    if (shown)
        QCOMPARE(cell.pixel(20, 17), kRed);
    else
        QVERIFY(allWhite(cell));
}

void IconCellTest::decodedPicturesAreKeptUntilTheFileChanges()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString file = folder + QStringLiteral("images/abc.BMP");
    const QDateTime anHourAgo = QDateTime::currentDateTime().addSecs(-3600);
    writePicture(folder, QStringLiteral("abc.BMP"), QSize(32, 32), Qt::red);
    setModified(file, anHourAgo);
    IconPictureCache cache;
    QCOMPARE(paintCell(folder, QStringLiteral("abc"), cache).pixel(20, 17), kRed);
    QCOMPARE(paintCell(folder, QStringLiteral("abc"), cache).pixel(20, 17), kRed);
    QCOMPARE(cache.loadCount(), 1);

    // Same time, same size: the file counts as unchanged and the kept picture shows.
    writePicture(folder, QStringLiteral("abc.BMP"), QSize(32, 32), Qt::green);
    setModified(file, anHourAgo);
    QCOMPARE(paintCell(folder, QStringLiteral("abc"), cache).pixel(20, 17), kRed);
    QCOMPARE(cache.loadCount(), 1);

    // A new modification time is a new picture, and a file gone is a white cell.
    setModified(file, anHourAgo.addSecs(1));
    QCOMPARE(paintCell(folder, QStringLiteral("abc"), cache).pixel(20, 17), qRgb(0, 255, 0));
    QCOMPARE(cache.loadCount(), 2);
    QVERIFY(QFile::remove(file));
    QVERIFY(allWhite(paintCell(folder, QStringLiteral("abc"), cache)));

    // A file written just now may be written again within the same clock tick: it is read
    // again at every paint until its time has settled.
    writePicture(folder, QStringLiteral("abc.BMP"), QSize(32, 32), Qt::red);
    QCOMPARE(paintCell(folder, QStringLiteral("abc"), cache).pixel(20, 17), kRed);
    writePicture(folder, QStringLiteral("abc.BMP"), QSize(32, 32), Qt::blue);
    QCOMPARE(paintCell(folder, QStringLiteral("abc"), cache).pixel(20, 17), qRgb(0, 0, 255));
}

QTEST_MAIN(IconCellTest)
#include "IconCellTest.moc"

void IconCellTest::namesDifferingOnlyInCaseAreFound()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    // As copied from a system that ignores case: lower-case files, an extension in other case.
    writePicture(folder, QStringLiteral("sword.bmp"), QSize(32, 32), Qt::red);
    writePicture(folder, QStringLiteral("Helm.Bmp"), QSize(32, 32), Qt::red);
    IconPictureCache cache;
    QCOMPARE(paintCell(folder, QStringLiteral("Sword"), cache).pixel(20, 17), kRed);
    QCOMPARE(paintCell(folder, QStringLiteral("HELM.gif"), cache).pixel(20, 17), kRed);
    QVERIFY(allWhite(paintCell(folder, QStringLiteral("shield"), cache)));
    // The folder was listed once for all of them, however often they are painted.
    for (int i = 0; i < 20; ++i)
        paintCell(folder, QStringLiteral("Sword"), cache);
    QCOMPARE(cache.folderScanCount(), 1);
    // A file added later is found: the folder changed, so it is listed again.
    QTest::qWait(20);
    writePicture(folder, QStringLiteral("SHIELD.BMP.tmp"), QSize(32, 32), Qt::red);
    QVERIFY(QFile::rename(folder + QStringLiteral("images/SHIELD.BMP.tmp"), folder + QStringLiteral("images/Shield.bmp")));
    QCOMPARE(paintCell(folder, QStringLiteral("shield"), cache).pixel(20, 17), kRed);

    // The exact name wins; among names equal but for case, the first in code-point order.
    writePicture(folder, QStringLiteral("ABC.BMP"), QSize(32, 32), Qt::red);
    writePicture(folder, QStringLiteral("abc.bmp"), QSize(32, 32), Qt::green);
    writePicture(folder, QStringLiteral("xy.bmp"), QSize(32, 32), Qt::green);
    writePicture(folder, QStringLiteral("XY.bmp"), QSize(32, 32), Qt::blue);
    IconPictureCache fresh;
    QCOMPARE(paintCell(folder, QStringLiteral("ABC"), fresh).pixel(20, 17), kRed);
    QCOMPARE(paintCell(folder, QStringLiteral("abc"), fresh).pixel(20, 17), kRed);
    QCOMPARE(paintCell(folder, QStringLiteral("xy"), fresh).pixel(20, 17), qRgb(0, 0, 255));

    // The images folder and a folder in the value may differ in case too; nothing leads out.
    QTemporaryDir other;
    const QString app = other.path() + QStringLiteral("/app/");
    QVERIFY(QDir(other.path()).mkpath(QStringLiteral("app/Images/Weapons")));
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(app + QStringLiteral("Images/Weapons/Axe.Bmp"), "BMP"));
    QVERIFY(red.save(other.path() + QStringLiteral("/Outside.bmp"), "BMP"));
    QCOMPARE(paintCell(app, QStringLiteral("weapons/axe")).pixel(20, 17), kRed);
    QVERIFY(allWhite(paintCell(app, QStringLiteral("../outside"))));
}

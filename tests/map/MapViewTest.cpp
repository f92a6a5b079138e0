// The map widget driven offscreen over a real spawn-point dataset: crosses where the spawn points
// are, following the filter and the widget's size; failures shown on the map, never thrown.

#include "browse/JpegDecoder.h"
#include "data/Connection.h"
#include "data/Dataset.h"
#include "panes/MapView.h"
#include "tools/mapgen/WorldMapJpeg.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <memory>

namespace {

bool isRed(const QImage& image, int x, int y)
{
    return image.rect().contains(x, y) && image.pixel(x, y) == qRgb(255, 0, 0);
}

// The centre and three pixels along each arm: the part of a cross every line drawing covers.
bool crossAt(const QImage& image, int x, int y)
{
    for (int d = -3; d <= 3; ++d)
        if (!isRed(image, x + d, y) || !isRed(image, x, y + d))
            return false;
    return true;
}

QList<QPoint> redPixels(const QImage& image)
{
    QList<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isRed(image, x, y))
                found << QPoint(x, y);
    return found;
}

QImage shot(MapView& view) { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }

void filterTo(Dataset& spawns, int npcId)
{
    spawns.setFiltered(false);
    spawns.setFilter(QStringLiteral("npc_id = '%1'").arg(npcId));
    spawns.setFiltered(true);
}

} // namespace

class MapViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void crossesMarkTheFilteredSpawnPoints_data();
    void crossesMarkTheFilteredSpawnPoints();
    void crossesFollowResizeAndSelection();
    void crossesAtTheFrameCornersAndOutside();
    void mapIsStretchedWithoutKeepingAspect();
    void undecodablePictureShowsItsErrorAndStillTheCrosses();
    void datasetFaultsAreShownNotThrown();
    void decodeEmbeddedMap();

private:
    QTemporaryDir m_dir;
    Connection m_connection;
    std::unique_ptr<Dataset> m_spawns;
};

void MapViewTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QStringLiteral("gd.mdb"));
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    const char* sql =
        "CREATE TABLE monster_location (id INTEGER PRIMARY KEY AUTOINCREMENT, npc_id INTEGER,"
        " X INTEGER, Y INTEGER, main_location BOOLEAN);"
        "INSERT INTO monster_location (npc_id, X, Y, main_location) VALUES"
        " (7, 0, 0, 1), (7, -100000, 200000, 0), (7, 150000, 10000, 1),"
        " (8, 50000, 100000, 1),"
        " (10, -131072, -32768, 0), (10, 196608, 262144, 0), (10, 400000, 0, 0),"
        // Out of every integer range: stored as REAL, they must land off the map, not anywhere.
        " (10, 1e300, 0, 0), (10, 0, '-1e300', 0), (10, -1e300, 1e300, 0);";
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    const QString message = QString::fromUtf8(error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
    QVERIFY2(rc == SQLITE_OK, qPrintable(message));
    m_connection.setConnectionString(Connection::composeConnectionString(m_dir.path() + QLatin1Char('/')));
    m_connection.open();
}

void MapViewTest::init()
{
    m_spawns = std::make_unique<Dataset>(m_connection);
    m_spawns->setSql(QStringLiteral("select  * from monster_location;"));
    m_spawns->open();
}

void MapViewTest::cleanup() { m_spawns.reset(); }

void MapViewTest::crossesMarkTheFilteredSpawnPoints_data()
{
    QTest::addColumn<int>("npc");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QPoint>>("crosses");
    // Centres worked out by hand from the frame: e.g. x = 0 on 327 px: 131072 * 327 / 327680 = 130.
    QTest::newRow("three points, 327 px page")
        << 7 << QSize(327, 300) << QList<QPoint>{{130, 33}, {31, 236}, {280, 43}};
    QTest::newRow("three points, double size")
        << 7 << QSize(654, 600) << QList<QPoint>{{261, 66}, {62, 473}, {560, 87}};
    QTest::newRow("one point") << 8 << QSize(327, 300) << QList<QPoint>{{180, 135}};
    QTest::newRow("no spawn points: bare map") << 9 << QSize(327, 300) << QList<QPoint>{};
}

void MapViewTest::crossesMarkTheFilteredSpawnPoints()
{
    QFETCH(int, npc);
    QFETCH(QSize, size);
    QFETCH(QList<QPoint>, crosses);
    filterTo(*m_spawns, npc);
    MapView view(m_spawns.get());
    view.resize(size);
    const QImage image = shot(view);
    QCOMPARE(image.size(), size);
    for (const QPoint& c : crosses)
        QVERIFY2(crossAt(image, c.x(), c.y()), qPrintable(QStringLiteral("no cross at %1,%2").arg(c.x()).arg(c.y())));
    // Nothing red beyond the crosses' arms: the other monsters' points are not drawn.
    for (const QPoint& p : redPixels(image)) {
        bool onACross = false;
        for (const QPoint& c : crosses)
            onACross |= (p.x() == c.x() && qAbs(p.y() - c.y()) <= 4) || (p.y() == c.y() && qAbs(p.x() - c.x()) <= 4);
        QVERIFY2(onACross, qPrintable(QStringLiteral("stray red pixel at %1,%2").arg(p.x()).arg(p.y())));
    }
    QVERIFY(view.lastError().isEmpty());
}

void MapViewTest::crossesFollowResizeAndSelection()
{
    filterTo(*m_spawns, 8);
    MapView view(m_spawns.get());
    view.resize(327, 300);
    QVERIFY(crossAt(shot(view), 180, 135));

    view.resize(1000, 450);
    QImage image = shot(view);
    QVERIFY(crossAt(image, 552, 202));
    QVERIFY(!isRed(image, 180, 135));

    // Another monster selected: the next paint shows only its crosses.
    filterTo(*m_spawns, 7);
    image = shot(view);
    QVERIFY(!isRed(image, 552, 202));
    QVERIFY(crossAt(image, 400, 50));
    QVERIFY(crossAt(image, 94, 355));
    QVERIFY(crossAt(image, 857, 65));
}

void MapViewTest::crossesAtTheFrameCornersAndOutside()
{
    filterTo(*m_spawns, 10);
    MapView view(m_spawns.get());
    view.resize(327, 300);
    const QList<QPoint> red = redPixels(shot(view));
    // Only the top-left cross shows, and only its right and lower arms; the bottom-right cross
    // is centred on (327, 300), just beyond the last pixel, and (400000, 0) and the points at
    // +-1e300 are off the map.
    QVERIFY(red.contains(QPoint(0, 0)));
    QVERIFY(red.contains(QPoint(3, 0)));
    QVERIFY(red.contains(QPoint(0, 3)));
    for (const QPoint& p : red)
        QVERIFY2((p.x() == 0 || p.y() == 0) && p.x() <= 4 && p.y() <= 4,
                 qPrintable(QStringLiteral("red at %1,%2").arg(p.x()).arg(p.y())));
}

void MapViewTest::mapIsStretchedWithoutKeepingAspect()
{
    const QImage picture = JpegDecoder::decode(kWorldMapJpeg, kWorldMapJpegSize);
    for (const QSize size : {QSize(300, 600), QSize(1200, 200)}) {
        MapView view(nullptr);
        view.resize(size);
        const QImage image = shot(view);
        // Blocks at the same fraction of the widget and of the picture show the same colour on
        // average (block means smooth out the picture's grain and the scaling).
        auto meanOf = [](const QImage& im, double fx, double fy) {
            const int bw = qMax(1, im.width() / 25), bh = qMax(1, im.height() / 25);
            const int x0 = int(fx * im.width()) - bw / 2, y0 = int(fy * im.height()) - bh / 2;
            qint64 r = 0, g = 0, b = 0;
            for (int y = y0; y < y0 + bh; ++y)
                for (int x = x0; x < x0 + bw; ++x) {
                    const QColor c = im.pixelColor(x, y);
                    r += c.red(), g += c.green(), b += c.blue();
                }
            const qint64 n = qint64(bw) * bh;
            return QColor(int(r / n), int(g / n), int(b / n));
        };
        int close = 0, samples = 0;
        for (int i = 1; i < 10; ++i)
            for (int j = 1; j < 10; ++j) {
                const QColor a = meanOf(image, i / 10.0, j / 10.0);
                const QColor b = meanOf(picture, i / 10.0, j / 10.0);
                ++samples;
                close += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 40;
            }
        QVERIFY2(close >= samples * 8 / 10, qPrintable(QStringLiteral("%1 of %2 alike at %3x%4")
                                                           .arg(close).arg(samples).arg(size.width()).arg(size.height())));
    }
}

void MapViewTest::undecodablePictureShowsItsErrorAndStillTheCrosses()
{
    filterTo(*m_spawns, 8);
    const QByteArray damaged = QByteArray(reinterpret_cast<const char*>(kWorldMapJpeg), 4000);
    MapView view(m_spawns.get(), damaged);
    QVERIFY(view.picture().isNull());
    QVERIFY2(view.lastError().startsWith(QStringLiteral("The JPEG picture cannot be decoded")),
             qPrintable(view.lastError()));
    view.resize(327, 300);
    const QImage image = shot(view);
    QVERIFY(crossAt(image, 180, 135));
    // The error text is drawn over the plain background.
    const QRgb background = view.palette().color(QPalette::Window).rgb();
    int inked = 0;
    for (int y = 120; y < 180; ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixel(x, y) != background && !isRed(image, x, y);
    QVERIFY(inked > 20);
}

void MapViewTest::datasetFaultsAreShownNotThrown()
{
    // A statement without the coordinate fields: every paint would throw; the view reports it.
    Dataset noCoordinates(m_connection);
    noCoordinates.setSql(QStringLiteral("select id, npc_id from monster_location;"));
    noCoordinates.open();
    MapView view(&noCoordinates);
    view.resize(327, 300);
    shot(view);
    QVERIFY2(view.lastError().contains(QLatin1Char('X')), qPrintable(view.lastError()));

    // A dataset destroyed before the view is simply no longer read.
    auto doomed = std::make_unique<Dataset>(m_connection);
    doomed->setSql(QStringLiteral("select  * from monster_location;"));
    doomed->open();
    MapView orphan(doomed.get());
    orphan.resize(327, 300);
    QVERIFY(!redPixels(shot(orphan)).isEmpty());
    doomed.reset();
    QVERIFY(redPixels(shot(orphan)).isEmpty());
}

void MapViewTest::decodeEmbeddedMap()
{
    QImage image;
    QBENCHMARK { image = JpegDecoder::decode(kWorldMapJpeg, kWorldMapJpegSize); }
    QCOMPARE(image.size(), QSize(798, 717));
}

QTEST_MAIN(MapViewTest)
#include "MapViewTest.moc"

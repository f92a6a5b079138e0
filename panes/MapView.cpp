#include "panes/MapView.h"

#include "browse/JpegDecoder.h"
#include "browse/JpegError.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "panes/MapGeometry.h"
#include "tools/mapgen/WorldMapJpeg.h"

#include <QPainter>
#include <QtDebug>

MapView::MapView(Dataset* spawnPoints, QWidget* parent) : QWidget(parent), m_spawnPoints(spawnPoints)
{
    decodePicture(kWorldMapJpeg, kWorldMapJpegSize);
}

MapView::MapView(Dataset* spawnPoints, const QByteArray& jpeg, QWidget* parent)
    : QWidget(parent), m_spawnPoints(spawnPoints)
{
    decodePicture(reinterpret_cast<const unsigned char*>(jpeg.constData()), size_t(jpeg.size()));
}

void MapView::decodePicture(const unsigned char* data, size_t size)
{
    // The picture covers the whole widget: Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    try {
        m_picture = JpegDecoder::decode(data, size);
    } catch (const JpegError& e) {
        m_picture = QImage();
        reportError(e.message());
    }
}

const QImage& MapView::picture() const { return m_picture; }

QString MapView::lastError() const { return m_lastError; }

QSize MapView::sizeHint() const { return m_picture.isNull() ? QSize(400, 360) : m_picture.size(); }

void MapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPicture(painter);
    paintSpawnPoints(painter);
    if (!m_lastError.isEmpty())
        paintError(painter);
}

void MapView::paintPicture(QPainter& painter)
{
    if (m_picture.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    if (m_scaled.size() != size())
        m_scaled = QPixmap::fromImage(
            m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.drawPixmap(0, 0, m_scaled);
}

void MapView::paintSpawnPoints(QPainter& painter)
{
    Dataset* points = m_spawnPoints;
    if (points == nullptr || !points->isOpen())
        return;
    const int w = width(), h = height();
    const int arm = MapGeometry::kCrossArm;
    // A cosmetic one-pixel pen: the crosses stay one pixel wide whatever the scale.
    painter.setPen(QPen(QColor(255, 0, 0), 0));
    painter.setRenderHint(QPainter::Antialiasing, false);
    try {
        // Walks the rows the filter lets through; the dataset ends past its last row.
        for (points->first(); !points->eof(); points->next()) {
            const qint64 worldX = points->asInteger(QStringLiteral("X"));
            const qint64 worldY = points->asInteger(QStringLiteral("Y"));
            const MapPoint c = MapGeometry::crossCentre(worldX, worldY, w, h);
            if (!MapGeometry::crossTouchesSurface(c, w, h))
                continue;
            // Within reach of the surface, so the centre fits an int.
            const int x = int(c.x), y = int(c.y);
            painter.drawLine(x - arm, y, x + arm, y);
            painter.drawLine(x, y - arm, x, y + arm);
        }
    } catch (const DbError& e) {
        // Thrown on every paint while the fault lasts: shown on the map and logged once, rather
        // than escaping each paint and raising an error box that repaints and fails again.
        reportError(e.message());
    }
}

void MapView::paintError(QPainter& painter)
{
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, m_lastError);
}

void MapView::reportError(const QString& message)
{
    if (message == m_lastError)
        return;
    m_lastError = message;
    qWarning().noquote() << "World map:" << message;
}

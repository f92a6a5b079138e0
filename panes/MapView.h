#pragma once
// The world map with the spawn points of one monster: the embedded map picture stretched over
// the whole widget (aspect not kept), then a red cross for every row the spawn-point dataset
// lets through. Every paint reads the dataset afresh, so a repaint shows the current filter.

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

class Dataset;
class QPainter;

class MapView : public QWidget {
    Q_OBJECT
public:
    /// Shows the map compiled into the program, decoded once here for this view.
    /// spawnPoints (rows with integer fields "X" and "Y") is not owned and may be null; the view
    /// stops reading it when it is destroyed.
    explicit MapView(Dataset* spawnPoints, QWidget* parent = nullptr);
    /// Shows the picture decoded from these JPEG bytes instead.
    MapView(Dataset* spawnPoints, const QByteArray& jpeg, QWidget* parent = nullptr);

    /// The decoded map; a null image when decoding failed.
    const QImage& picture() const;
    /// Why the map or the spawn points could not be shown; empty when all went well. Each new
    /// failure is also written once to the log; the widget shows it over a plain background.
    QString lastError() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void decodePicture(const unsigned char* data, size_t size);
    void paintPicture(QPainter& painter);
    void paintSpawnPoints(QPainter& painter);
    void paintError(QPainter& painter);
    void reportError(const QString& message);

    QPointer<Dataset> m_spawnPoints;
    QImage m_picture;
    // The picture scaled to the widget's size, remade only when the size changes.
    QPixmap m_scaled;
    QString m_lastError;
};

#pragma once
// Encodes a picture as a baseline JPEG through libjpeg's compression API.

#include <QByteArray>
#include <QImage>
#include <QString>

/// Returns the JPEG file's bytes; on an encoder failure returns an empty array and sets *error.
QByteArray encodeJpeg(const QImage& image, int quality, QString* error);

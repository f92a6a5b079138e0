#pragma once
// The failure of decoding a JPEG picture; its text says what libjpeg found wrong.

#include <QString>
#include <stdexcept>

class JpegError : public std::runtime_error {
public:
    explicit JpegError(const QString& message) : std::runtime_error(message.toStdString()) {}
    /// The failure's text, as shown to the user.
    QString message() const { return QString::fromStdString(what()); }
};

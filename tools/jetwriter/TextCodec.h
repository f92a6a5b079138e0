#pragma once
// Text as Jet stores it: UCS-2 (UTF-16 units, little-endian) in Jet 4, optionally in its
// compressed form; code page 1252 in Jet 3.

#include "tools/jetwriter/JetFormat.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace jet {

QByteArray encodeUcs2(const QString& text);
// The compressed form (0xff 0xfe, then runs of one-byte characters and of two-byte characters
// separated by a zero byte), or nothing when the text cannot be compressed or would not shrink.
std::optional<QByteArray> compressUnicode(const QString& text);
// Jet 3 text; throws std::runtime_error for a character code page 1252 lacks.
QByteArray encodeCp1252(const QString& text);

// A value of a text or memo column; compress applies to Jet 4 only.
QByteArray encodeText(const QString& text, const Format& format, bool compress);
// Names in the table definition: never compressed.
QByteArray encodeName(const QString& name, const Format& format);

} // namespace jet

#pragma once
// Little-endian integers into byte buffers: every multi-byte field of a Jet file is stored so.

#include <QByteArray>
#include <QtEndian>
#include <cstring>

namespace jet::bytes {

inline void put8(QByteArray& b, int at, quint8 v) { b[at] = char(v); }
inline void put16(QByteArray& b, int at, quint16 v) { qToLittleEndian(v, b.data() + at); }
inline void put32(QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }
inline void putDouble(QByteArray& b, int at, double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    qToLittleEndian(bits, b.data() + at);
}

inline void append8(QByteArray& b, quint8 v) { b.append(char(v)); }
inline void append16(QByteArray& b, quint16 v)
{
    b.append(char(v & 0xff));
    b.append(char(v >> 8));
}
inline void append32(QByteArray& b, quint32 v)
{
    append16(b, quint16(v & 0xffff));
    append16(b, quint16(v >> 16));
}

inline quint16 get16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
inline quint32 get32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// A row's place in the file: its page in the upper three bytes, its index on the page in the lowest.
inline quint32 pageRow(quint32 page, int row) { return (page << 8) | quint32(row & 0xff); }

} // namespace jet::bytes

#include "import/JetHeader.h"

#include <QtEndian>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Offsets in the first page.
constexpr int kEngineName = 4;
constexpr int kVersion = 0x14;
constexpr int kMaskedStart = 0x18; // the bytes from here on are masked with a fixed RC4 stream
constexpr int kMaskedLength = 126;
constexpr int kPassword = 0x42;
constexpr int kPasswordLengthJet3 = 20;
constexpr int kPasswordLengthJet4 = 40;
constexpr int kCreationDate = 0x72; // Jet 4 on: its whole days mask the password once more

// The header's mask is the RC4 stream of this key.
std::array<quint8, kMaskedLength> headerMask()
{
    const quint8 key[4] = {0xc7, 0xda, 0x39, 0x6b};
    std::array<quint8, 256> state{};
    for (int i = 0; i < 256; ++i)
        state[i] = quint8(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + key[i % 4]) & 0xff;
        std::swap(state[i], state[j]);
    }
    std::array<quint8, kMaskedLength> stream{};
    for (int n = 0, i = 0, j = 0; n < kMaskedLength; ++n) {
        i = (i + 1) & 0xff;
        j = (j + state[i]) & 0xff;
        std::swap(state[i], state[j]);
        stream[n] = state[(state[i] + state[j]) & 0xff];
    }
    return stream;
}

quint8 unmasked(const QByteArray& page, int offset)
{
    static const std::array<quint8, kMaskedLength> mask = headerMask();
    return quint8(page[offset]) ^ mask[offset - kMaskedStart];
}

// (int) of the creation date, as the engine takes it; out-of-range dates saturate.
qint32 wholeDays(const QByteArray& page)
{
    quint8 bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = unmasked(page, kCreationDate + i);
    double days = 0;
    const quint64 bits = qFromLittleEndian<quint64>(bytes);
    std::memcpy(&days, &bits, sizeof days);
    if (std::isnan(days))
        return 0;
    if (days >= double(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    if (days <= double(std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    return qint32(days);
}

// The engine compares what the user types with these bytes; all zeros is no password.
bool holdsPassword(const QByteArray& bytes)
{
    for (char b : bytes)
        if (b != 0)
            return true;
    return false;
}

} // namespace

QByteArray jetHeaderMask()
{
    const std::array<quint8, kMaskedLength> mask = headerMask();
    return QByteArray(reinterpret_cast<const char*>(mask.data()), kMaskedLength);
}

QString JetHeader::formatName() const
{
    switch (version) {
    case 0: return QStringLiteral("Jet 3");
    case 1: return QStringLiteral("Jet 4");
    case 2: return QStringLiteral("Access 2007");
    case 3: return QStringLiteral("Access 2010");
    case 4: return QStringLiteral("Access 2013");
    case 5: return QStringLiteral("Access 2016");
    case 6: return QStringLiteral("Access 2019");
    default: return QStringLiteral("Jet (unknown version %1)").arg(version);
    }
}

JetHeader readJetHeader(const QByteArray& page)
{
    JetHeader header;
    const QByteArray engine = page.mid(kEngineName, 15);
    header.isJet = page.size() > kVersion + 4 && page[0] == 0 &&
                   (engine == "Standard Jet DB" || engine == "Standard ACE DB");
    if (!header.isJet)
        return header;
    header.version = qFromLittleEndian<qint32>(page.constData() + kVersion);
    header.pageSize = header.version == 0 ? 2048 : 4096;
    if (page.size() < kMaskedStart + kMaskedLength)
        return header;

    const int length = header.version == 0 ? kPasswordLengthJet3 : kPasswordLengthJet4;
    QByteArray password(length, '\0');
    for (int i = 0; i < length; ++i)
        password[i] = char(unmasked(page, kPassword + i));
    if (header.version != 0) {
        quint8 dateMask[4];
        qToLittleEndian<qint32>(wholeDays(page), dateMask);
        for (int i = 0; i < length; ++i)
            password[i] = char(quint8(password[i]) ^ dateMask[i % 4]);
    }
    header.hasPassword = holdsPassword(password);
    return header;
}

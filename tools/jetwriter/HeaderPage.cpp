#include "tools/jetwriter/HeaderPage.h"

#include "tools/jetwriter/Bytes.h"
#include "tools/jetwriter/CellEncoding.h"
#include "tools/jetwriter/Rc4.h"
#include "tools/jetwriter/TextCodec.h"

#include <stdexcept>

namespace jet {

namespace {
constexpr int kVersionOffset = 0x14;
constexpr int kMaskedOffset = 0x18;
constexpr int kCodePageOffset = 0x3c;
constexpr int kPasswordOffset = 0x42;
constexpr int kJet3SortOrderOffset = 0x3a;
constexpr int kJet4SortOrderOffset = 0x6e;
constexpr int kJet4CreatedOffset = 0x72;
constexpr int kMaxPasswordLength = 20;
const QByteArray kHeaderKey("\xc7\xda\x39\x6b", 4);
} // namespace

QByteArray headerPage(const Format& format, const QDateTime& created, const QString& password)
{
    if (password.size() > kMaxPasswordLength)
        throw std::runtime_error("a database password holds at most " + std::to_string(kMaxPasswordLength) +
                                 " characters");
    const QByteArray secret = encodeName(password, format);
    QByteArray page(format.pageSize, '\0');
    bytes::put32(page, 0, 0x00000100);
    page.replace(4, 16, QByteArray("Standard Jet DB\0", 16));
    bytes::put32(page, kVersionOffset, format.unicode() ? 1 : 0);
    bytes::put16(page, kCodePageOffset, quint16(format.codePage));
    // The encryption key at 0x3e stays zero: the pages are not encrypted.
    if (format.unicode()) {
        bytes::put16(page, kJet4SortOrderOffset, quint16(format.textSortOrder));
        const double date = toJetDate(created);
        bytes::putDouble(page, kJet4CreatedOffset, date);
        // Jet 4 masks the password (UCS-2) further with the creation date's day number; an
        // empty password therefore reads as that mask.
        QByteArray mask(4, '\0');
        bytes::put32(mask, 0, quint32(qint32(date)));
        for (int i = 0; i < 2 * kMaxPasswordLength; ++i)
            page[kPasswordOffset + i] = char(quint8(i < secret.size() ? secret[i] : 0) ^ quint8(mask[i % 4]));
    } else {
        bytes::put16(page, kJet3SortOrderOffset, quint16(format.textSortOrder));
        page.replace(kPasswordOffset, secret.size(), secret);
    }
    Rc4(kHeaderKey).apply(page, kMaskedOffset, format.unicode() ? 128 : 126);
    return page;
}

} // namespace jet

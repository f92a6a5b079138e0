// The first page of a Jet file: which engine wrote it and whether a password protects it.

#include "import/JetHeader.h"

#include <QtEndian>

#include <cstring>

#include <gtest/gtest.h>

namespace {

// A first page of the given version whose masked part holds `plain` (bytes from 0x18 on).
QByteArray page(int version, QByteArray plain = QByteArray(126, '\0'))
{
    QByteArray p(4096, '\0');
    p[1] = 1;
    std::memcpy(p.data() + 4, "Standard Jet DB", 15);
    qToLittleEndian<qint32>(version, p.data() + 0x14);
    const QByteArray mask = jetHeaderMask();
    for (int i = 0; i < 126; ++i)
        p[0x18 + i] = char(quint8(plain[i]) ^ quint8(mask[i]));
    return p;
}

void put(QByteArray& plain, int offset, const QByteArray& bytes)
{
    std::memcpy(plain.data() + offset - 0x18, bytes.constData(), size_t(bytes.size()));
}

} // namespace

TEST(JetHeader, TheMaskIsTheStreamLibmdbKnows)
{
    const QByteArray mask = jetHeaderMask();
    ASSERT_EQ(mask.size(), 126);
    // libmdb reads the encryption key at 0x3e as the stored value XOR 0x4ebc8afb...
    EXPECT_EQ(qFromLittleEndian<quint32>(mask.constData() + 0x3e - 0x18), 0x4ebc8afbu);
    // ...and the Jet 3 password at 0x42 with this key.
    const quint8 libmdbKey[14] = {0x86, 0xfb, 0xec, 0x37, 0x5d, 0x44, 0x9c, 0xfa, 0xc6, 0x5e, 0x28, 0xe6, 0x13, 0xb6};
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(quint8(mask[0x42 - 0x18 + i]), libmdbKey[i]) << i;
}

TEST(JetHeader, VersionAndPageSize)
{
    EXPECT_FALSE(readJetHeader(QByteArray("SQLite format 3\0", 16)).isJet);
    EXPECT_FALSE(readJetHeader(QByteArray()).isJet);
    const JetHeader jet3 = readJetHeader(page(0));
    EXPECT_TRUE(jet3.isJet);
    EXPECT_EQ(jet3.pageSize, 2048);
    EXPECT_EQ(jet3.formatName(), "Jet 3");
    EXPECT_FALSE(jet3.hasPassword);
    const JetHeader jet4 = readJetHeader(page(1));
    EXPECT_EQ(jet4.pageSize, 4096);
    EXPECT_EQ(jet4.formatName(), "Jet 4");
    QByteArray ace = page(2);
    std::memcpy(ace.data() + 4, "Standard ACE DB", 15);
    EXPECT_EQ(readJetHeader(ace).formatName(), "Access 2007");
    // Too short for the masked part: the engine is known, the password is not looked for.
    EXPECT_TRUE(readJetHeader(page(1).left(0x40)).isJet);
}

TEST(JetHeader, PasswordsOfJet3AndJet4)
{
    QByteArray plain3(126, '\0');
    put(plain3, 0x42, "Sesame");
    EXPECT_TRUE(readJetHeader(page(0, plain3)).hasPassword);

    // Jet 4: UTF-16, masked once more by the whole days of the creation date.
    QByteArray plain4(126, '\0');
    const double created = 38047.52;
    quint64 bits = 0;
    std::memcpy(&bits, &created, 8);
    QByteArray date(8, '\0');
    qToLittleEndian<quint64>(bits, date.data());
    put(plain4, 0x72, date);
    QByteArray dateMask(4, '\0');
    qToLittleEndian<qint32>(38047, dateMask.data());
    QByteArray noPassword(40, '\0');
    for (int i = 0; i < 40; ++i)
        noPassword[i] = dateMask[i % 4];
    put(plain4, 0x42, noPassword);
    EXPECT_FALSE(readJetHeader(page(1, plain4)).hasPassword);

    const QString word = QStringLiteral("Sésame");
    QByteArray password(40, '\0');
    for (int i = 0; i < word.size(); ++i)
        qToLittleEndian<quint16>(word[i].unicode(), password.data() + 2 * i);
    for (int i = 0; i < 40; ++i)
        password[i] = char(quint8(password[i]) ^ quint8(dateMask[i % 4]));
    put(plain4, 0x42, password);
    EXPECT_TRUE(readJetHeader(page(1, plain4)).hasPassword);

    // The longest password fills all forty bytes.
    password.fill('\0');
    for (int i = 0; i < 20; ++i)
        qToLittleEndian<quint16>(quint16('a' + i), password.data() + 2 * i);
    for (int i = 0; i < 40; ++i)
        password[i] = char(quint8(password[i]) ^ quint8(dateMask[i % 4]));
    put(plain4, 0x42, password);
    EXPECT_TRUE(readJetHeader(page(1, plain4)).hasPassword);
}

// The header page: version, code page, no encryption key, sort order, creation date and password
// in the block masked with the fixed RC4 key.
#include "tests/jet/FileProbe.h"
#include "tests/jet/MdbTools.h"
#include "tools/jetwriter/JetWriter.h"
#include "tools/jetwriter/Rc4.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

using namespace jettest;

namespace {

QString writeWithPassword(const QTemporaryDir& dir, jet::JetVersion version, const QString& password)
{
    jet::JetWriter writer;
    const int table = writer.addTable("Locked", {{"n", jet::ColumnType::Long}});
    writer.addRow(table, {qint64(5)});
    jet::WriteOptions options;
    options.version = version;
    options.password = password;
    const QString path = dir.filePath(QString("locked%1.mdb").arg(int(version)));
    writer.write(path, options);
    return path;
}

// Page 0 with its masked block unmasked.
QByteArray unmaskedHeader(const QString& path)
{
    QByteArray header = FileProbe(path).page(0);
    const bool jet3 = header[0x14] == 0;
    jet::Rc4(QByteArray("\xc7\xda\x39\x6b", 4)).apply(header, 0x18, jet3 ? 126 : 128);
    return header;
}

} // namespace

TEST(JetHeader, Jet4HeaderFieldsAndMaskedPassword)
{
    QTemporaryDir dir;
    const QString path = writeWithPassword(dir, jet::JetVersion::Jet4, "Geheim");
    // The password does not stop a reader that ignores it.
    EXPECT_EQ(exportRows(path, "Locked"), (Rows{{"5"}}));

    const QByteArray header = unmaskedHeader(path);
    EXPECT_EQ(header.mid(4, 15), "Standard Jet DB");
    EXPECT_EQ(header[0x14], 1);
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 0x3c), 1252);
    EXPECT_EQ(qFromLittleEndian<quint32>(header.constData() + 0x3e), 0u) << "no encryption key";
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 0x6e), 0x0409);
    double created;
    std::memcpy(&created, header.constData() + 0x72, 8);
    EXPECT_DOUBLE_EQ(created, 45306 + 9.5 / 24); // 2024-01-15 09:30
    // The password, UCS-2, masked with the creation day's number.
    QByteArray password = header.mid(0x42, 40);
    const qint32 day = qint32(created);
    for (int i = 0; i < 40; ++i)
        password[i] = char(quint8(password[i]) ^ quint8(day >> (8 * (i % 4))));
    EXPECT_EQ(password, QByteArray("G\0e\0h\0e\0i\0m\0", 12) + QByteArray(28, '\0'));

    const QByteArray open = unmaskedHeader(writeWithPassword(dir, jet::JetVersion::Jet4, ""));
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(quint8(open[0x42 + i]), quint8(day >> (8 * (i % 4)))) << "without a password only the mask";
}

TEST(JetHeader, Jet3HeaderFieldsAndPlainPassword)
{
    QTemporaryDir dir;
    const QString path = writeWithPassword(dir, jet::JetVersion::Jet3, "Schlüssel");
    EXPECT_EQ(exportRows(path, "Locked"), (Rows{{"5"}}));
    const QByteArray header = unmaskedHeader(path);
    EXPECT_EQ(header[0x14], 0);
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 0x3a), 0x0409);
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 0x3c), 1252);
    EXPECT_EQ(header.mid(0x42, 20), QByteArray("Schl\xfc" "ssel", 9) + QByteArray(11, '\0'));
}

TEST(JetHeader, APasswordLongerThanTwentyCharactersIsRefused)
{
    QTemporaryDir dir;
    jet::WriteOptions options;
    options.password = QString(21, 'p');
    jet::JetWriter writer;
    writer.addTable("T", {{"n", jet::ColumnType::Long}});
    EXPECT_THROW(writer.write(dir.filePath("t.mdb"), options), std::runtime_error);
    EXPECT_FALSE(QFile::exists(dir.filePath("t.mdb")));
}

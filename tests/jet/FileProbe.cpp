#include "tests/jet/FileProbe.h"

#include "tests/jet/MdbTools.h"

#include <QFile>
#include <QtEndian>
#include <stdexcept>

namespace jettest {

namespace {
quint32 get32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 get16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
} // namespace

FileProbe::FileProbe(const QString& path) : m_path(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    m_bytes = file.readAll();
}

int FileProbe::longValuePages() const
{
    int count = 0;
    for (int p = 0; p < pageCount(); ++p) {
        const QByteArray bytes = page(quint32(p));
        count += bytes[0] == 0x01 && bytes.mid(4, 4) == "LVAL" ? 1 : 0;
    }
    return count;
}

quint32 FileProbe::definitionPage(const QString& table) const
{
    const QStringList columns = exportedColumns(m_path, "MSysObjects");
    const int id = int(columns.indexOf("Id"));
    const int name = int(columns.indexOf("Name"));
    for (const auto& row : exportRows(m_path, "MSysObjects")) {
        if (row[size_t(name)] == table)
            return row[size_t(id)]->toUInt() & 0xffffff;
    }
    throw std::runtime_error("no table " + table.toStdString() + " in the catalog");
}

int FileProbe::definitionPageCount(const QString& table) const
{
    int count = 0;
    for (quint32 p = definitionPage(table); p != 0; p = get32(page(p), 4))
        ++count;
    return count;
}

int FileProbe::usageMapType(const QString& table) const
{
    const quint32 map = get32(page(definitionPage(table)), jet3() ? 35 : 55);
    const QByteArray mapPage = page(map >> 8);
    const int offset = get16(mapPage, (jet3() ? 10 : 14) + 2 * int(map & 0xff));
    return mapPage[offset];
}

} // namespace jettest

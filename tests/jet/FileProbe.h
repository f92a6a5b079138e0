#pragma once
// Looks inside a written Jet file where the readers' output cannot show the layout: which pages
// hold long values, how a table's definition and usage map are stored.

#include <QByteArray>
#include <QString>

namespace jettest {

class FileProbe {
public:
    explicit FileProbe(const QString& path);

    bool jet3() const { return m_bytes[0x14] == 0; }
    int pageSize() const { return jet3() ? 2048 : 4096; }
    int pageCount() const { return int(m_bytes.size() / pageSize()); }
    QByteArray page(quint32 number) const { return m_bytes.mid(int(number) * pageSize(), pageSize()); }
    int longValuePages() const;
    // The page of a table's definition, from the catalog as mdb-export reads it.
    quint32 definitionPage(const QString& table) const;
    // How many pages the definition takes, following their next-page links.
    int definitionPageCount(const QString& table) const;
    // 0: a bitmap in the map row; 1: pointers to bitmap pages.
    int usageMapType(const QString& table) const;

private:
    QString m_path;
    QByteArray m_bytes;
};

} // namespace jettest

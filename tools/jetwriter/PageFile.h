#pragma once
// The file being written, page by page: pages are numbered as they are allocated and may be
// written in any order; nothing replaces the target file until commit().

#include "tools/jetwriter/JetFormat.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <vector>

namespace jet {

class PageFile {
public:
    // Throws std::runtime_error when the file cannot be created.
    PageFile(const QString& path, const Format& format);

    const Format& format() const { return m_format; }
    quint32 allocate();
    quint32 pageCount() const { return quint32(m_written.size()); }
    // Writes an allocated page; a shorter buffer is padded with zeros.
    void write(quint32 page, const QByteArray& bytes);
    // Checks that every allocated page was written and puts the file in place.
    void commit();

private:
    const Format& m_format;
    QString m_path;
    QSaveFile m_file;
    std::vector<bool> m_written; // one entry per allocated page
};

} // namespace jet

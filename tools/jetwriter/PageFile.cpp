#include "tools/jetwriter/PageFile.h"

#include <stdexcept>

namespace jet {

PageFile::PageFile(const QString& path, const Format& format) : m_format(format), m_path(path), m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + m_file.errorString().toStdString());
}

quint32 PageFile::allocate()
{
    m_written.push_back(false);
    return quint32(m_written.size() - 1);
}

void PageFile::write(quint32 page, const QByteArray& bytes)
{
    if (page >= m_written.size() || bytes.size() > m_format.pageSize)
        throw std::logic_error("a page was written that was not allocated or is too large");
    QByteArray full = bytes;
    full.resize(m_format.pageSize, '\0');
    if (!m_file.seek(qint64(page) * m_format.pageSize) || m_file.write(full) != full.size())
        throw std::runtime_error("cannot write " + m_path.toStdString() + ": " + m_file.errorString().toStdString());
    m_written[page] = true;
}

void PageFile::commit()
{
    for (bool written : m_written) {
        if (!written)
            throw std::logic_error("pages were allocated but never written");
    }
    if (!m_file.commit())
        throw std::runtime_error("cannot write " + m_path.toStdString() + ": " + m_file.errorString().toStdString());
}

} // namespace jet

#pragma once
// A data page or a long-value page being filled: rows from the end of the page towards its
// header, their offsets in a table after the header.

#include "tools/jetwriter/JetFormat.h"

#include <QByteArray>

namespace jet {

class RowPage {
public:
    // The owner word long-value pages carry instead of a table definition page.
    static constexpr quint32 kLongValueOwner = 0x4c41564c; // "LVAL"

    RowPage(const Format& format, quint32 number, quint32 owner);

    quint32 number() const { return m_number; }
    int rowCount() const { return m_rows; }
    bool fits(int rowSize) const;
    // Adds a row that fits; returns its index on the page.
    int add(const QByteArray& row);
    const QByteArray& bytes() const { return m_page; }

private:
    int freeSpace() const;

    const Format* m_format;
    quint32 m_number;
    QByteArray m_page;
    int m_rows = 0;
    int m_top; // where the lowest row starts
};

} // namespace jet

#pragma once
// One cell as the bytes of its column: fixed-size numbers and dates, the text of a text or memo
// column, the bit of a boolean.

#include "tools/jetwriter/ColumnLayout.h"
#include "tools/jetwriter/JetWriter.h"

#include <QByteArray>
#include <QDateTime>
#include <optional>

namespace jet {

// A field of a row about to be packed.
struct Field {
    bool null = true;
    bool flag = false;   // a boolean's value (it lives in the null mask)
    QByteArray bytes;    // fixed columns: exactly the column's length; variable columns: the value
};

// Days since 1899-12-30 with the time of day as the fraction; before that day the fraction
// counts away from zero, as Access stores it.
double toJetDate(const QDateTime& value);

// Boolean, Byte, Integer, Long, Double and DateTime cells. A NULL boolean is stored as false, since
// a Jet boolean has no NULL. Throws std::runtime_error when the cell does not fit the column.
Field encodeFixedCell(const ColumnSlot& column, const Cell& cell);
// The text of a text or memo cell: nothing for NULL; numbers and dates as text.
std::optional<QString> cellText(const Cell& cell);

} // namespace jet

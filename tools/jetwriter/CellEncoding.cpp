#include "tools/jetwriter/CellEncoding.h"

#include "tools/jetwriter/Bytes.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace jet {

namespace {

[[noreturn]] void refuse(const ColumnSlot& column, const std::string& why)
{
    throw std::runtime_error("column \"" + column.name.toStdString() + "\": " + why);
}

// Integers, booleans and whole doubles as an integer.
qint64 integerOf(const ColumnSlot& column, const Cell& cell)
{
    if (const bool* b = std::get_if<bool>(&cell))
        return *b ? 1 : 0;
    if (const qint64* i = std::get_if<qint64>(&cell))
        return *i;
    if (const double* d = std::get_if<double>(&cell)) {
        if (std::isfinite(*d) && std::trunc(*d) == *d && std::fabs(*d) < 9.0e18)
            return qint64(*d);
        refuse(column, "the value " + std::to_string(*d) + " is not a whole number");
    }
    refuse(column, "expects a number");
}

qint64 inRange(const ColumnSlot& column, qint64 value, qint64 low, qint64 high)
{
    if (value < low || value > high)
        refuse(column, "the value " + std::to_string(value) + " lies outside " + std::to_string(low) + ".." +
                           std::to_string(high));
    return value;
}

double doubleOf(const ColumnSlot& column, const Cell& cell)
{
    if (const double* d = std::get_if<double>(&cell))
        return *d;
    if (const qint64* i = std::get_if<qint64>(&cell))
        return double(*i);
    if (const bool* b = std::get_if<bool>(&cell))
        return *b ? 1.0 : 0.0;
    refuse(column, "expects a number");
}

QDateTime dateOf(const ColumnSlot& column, const Cell& cell)
{
    if (const QDateTime* dt = std::get_if<QDateTime>(&cell)) {
        if (dt->isValid())
            return *dt;
    } else if (const QString* s = std::get_if<QString>(&cell)) {
        QDateTime dt = QDateTime::fromString(*s, Qt::ISODateWithMs);
        if (!dt.isValid())
            dt = QDateTime::fromString(*s, "yyyy-MM-dd HH:mm:ss");
        if (dt.isValid())
            return dt;
    }
    refuse(column, "expects a valid date and time");
}

} // namespace

double toJetDate(const QDateTime& value)
{
    static const QDate epoch(1899, 12, 30);
    const qint64 days = epoch.daysTo(value.date());
    const double fraction = value.time().msecsSinceStartOfDay() / 86400000.0;
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

Field encodeFixedCell(const ColumnSlot& column, const Cell& cell)
{
    Field field;
    field.bytes = QByteArray(column.length, '\0');
    if (std::holds_alternative<std::monostate>(cell))
        return field;
    field.null = false;
    switch (column.type) {
    case JetType::Boolean:
        field.flag = integerOf(column, cell) != 0;
        break;
    case JetType::Byte:
        bytes::put8(field.bytes, 0, quint8(inRange(column, integerOf(column, cell), 0, 255)));
        break;
    case JetType::Integer:
        bytes::put16(field.bytes, 0, quint16(qint16(inRange(column, integerOf(column, cell), -32768, 32767))));
        break;
    case JetType::Long:
        bytes::put32(field.bytes, 0,
                     quint32(qint32(inRange(column, integerOf(column, cell), std::numeric_limits<qint32>::min(),
                                            std::numeric_limits<qint32>::max()))));
        break;
    case JetType::Double:
        bytes::putDouble(field.bytes, 0, doubleOf(column, cell));
        break;
    case JetType::DateTime:
        bytes::putDouble(field.bytes, 0, toJetDate(dateOf(column, cell)));
        break;
    case JetType::Text:
    case JetType::Ole:
    case JetType::Memo:
        refuse(column, "is not a fixed-size column");
    }
    return field;
}

std::optional<QString> cellText(const Cell& cell)
{
    if (const QString* s = std::get_if<QString>(&cell))
        return *s;
    if (const qint64* i = std::get_if<qint64>(&cell))
        return QString::number(*i);
    if (const double* d = std::get_if<double>(&cell))
        return QString::number(*d, 'g', 17);
    if (const bool* b = std::get_if<bool>(&cell))
        return QString(*b ? "1" : "0");
    if (const QDateTime* dt = std::get_if<QDateTime>(&cell))
        return dt->toString(Qt::ISODate);
    return std::nullopt;
}

} // namespace jet

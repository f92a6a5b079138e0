#include "import/JetValues.h"

#include <QDate>
#include <QtEndian>

#include <charconv>
#include <cmath>
#include <cstdlib>

QString jet4Text(const char* bytes, int size)
{
    const auto* b = reinterpret_cast<const quint8*>(bytes);
    QString text;
    if (size >= 2 && b[0] == 0xff && b[1] == 0xfe) {
        text.reserve(size);
        bool compressed = true;
        int i = 2;
        while (i < size) {
            if (b[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                text += QChar(char16_t(b[i]));
                ++i;
            } else if (i + 1 < size) {
                text += QChar(char16_t(b[i] | (b[i + 1] << 8)));
                i += 2;
            } else {
                break;
            }
        }
        return text;
    }
    text.resize(size / 2);
    for (int i = 0; i < size / 2; ++i)
        text[i] = QChar(char16_t(b[2 * i] | (b[2 * i + 1] << 8)));
    return text;
}

QString jetDateText(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return QString();
    const double whole = std::trunc(days);
    const double fraction = std::fabs(days - whole);
    qint64 seconds = qint64(std::llround(fraction * 86400.0));
    qint64 day = qint64(whole);
    // Rounded up to midnight: the next day, which for a date before 1899-12-30 is one nearer.
    if (seconds >= 86400) {
        seconds -= 86400;
        day += 1;
    }
    const QDate date = QDate(1899, 12, 30).addDays(day);
    if (!date.isValid() || date.year() < 100 || date.year() > 9999)
        return QString();
    return QStringLiteral("%1T%2:%3:%4")
        .arg(date.toString(Qt::ISODate))
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

double singleAsDouble(float value)
{
    if (!std::isfinite(value))
        return double(value);
    char buffer[64];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer - 1, value);
    *r.ptr = '\0';
    return std::strtod(buffer, nullptr);
}

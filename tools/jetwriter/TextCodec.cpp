#include "tools/jetwriter/TextCodec.h"

#include <stdexcept>

namespace jet {

namespace {

// Code page 1252 at 0x80..0x9f; zero where the code page has no character.
constexpr char16_t kCp1252High[32] = {
    0x20ac, 0,      0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017d, 0,      0,      0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0,      0x017e, 0x0178};

bool oneByte(char16_t unit) { return (unit >> 8) == 0; }

// How many units from i on have a zero high byte.
int oneByteRun(const QString& text, int i)
{
    int run = 0;
    while (i + run < text.size() && oneByte(text[i + run].unicode()))
        ++run;
    return run;
}

} // namespace

QByteArray encodeUcs2(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        out.append(char(c.unicode() & 0xff));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

std::optional<QByteArray> compressUnicode(const QString& text)
{
    // A zero low byte reads as a mode switch in either mode, so such text stays uncompressed.
    for (QChar c : text) {
        if ((c.unicode() & 0xff) == 0)
            return std::nullopt;
    }
    QByteArray out("\xff\xfe", 2);
    bool compressed = true;
    for (int i = 0; i < text.size();) {
        const char16_t unit = text[i].unicode();
        if (compressed) {
            if (oneByte(unit)) {
                out.append(char(unit));
                ++i;
            } else {
                out.append('\0');
                compressed = false;
            }
            continue;
        }
        if (oneByte(unit)) {
            // Switching costs a zero byte each way; take it when the run saves more than that.
            const int run = oneByteRun(text, i);
            const bool atEnd = i + run == text.size();
            if (run > (atEnd ? 1 : 2)) {
                out.append('\0');
                compressed = true;
                continue;
            }
        }
        out.append(char(unit & 0xff));
        out.append(char(unit >> 8));
        ++i;
    }
    if (out.size() >= text.size() * 2)
        return std::nullopt;
    return out;
}

QByteArray encodeCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80 || (unit >= 0xa0 && unit <= 0xff)) {
            out.append(char(unit));
            continue;
        }
        int code = -1;
        for (int i = 0; i < 32; ++i) {
            if (kCp1252High[i] == unit)
                code = 0x80 + i;
        }
        if (code < 0)
            throw std::runtime_error("\"" + text.toStdString() +
                                     "\" holds a character a Jet 3 file (code page 1252) cannot store");
        out.append(char(code));
    }
    return out;
}

QByteArray encodeText(const QString& text, const Format& format, bool compress)
{
    if (!format.unicode())
        return encodeCp1252(text);
    if (compress) {
        if (std::optional<QByteArray> packed = compressUnicode(text))
            return *packed;
    }
    return encodeUcs2(text);
}

QByteArray encodeName(const QString& name, const Format& format)
{
    return format.unicode() ? encodeUcs2(name) : encodeCp1252(name);
}

} // namespace jet

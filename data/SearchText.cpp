#include "data/SearchText.h"

#include <QList>

namespace {
bool isApostrophe(char32_t c)
{
    return c == U'\'' || c == U'\u2019' || c == U'\u02BC';
}

bool isAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}
} // namespace

std::string foldForSearch(const QString& text)
{
    // Most names are plain ASCII: they need no decomposition.
    const QString decomposed = isAscii(text) ? text : text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    bool inWord = false;
    for (const char32_t c : decomposed.toUcs4()) {
        if (QChar::isMark(c))
            continue;
        if (isApostrophe(c) && inWord)
            continue;
        if (!QChar::isLetterOrNumber(c)) {
            inWord = false;
            continue;
        }
        if (!inWord && !out.isEmpty())
            out.append(QLatin1Char(' '));
        inWord = true;
        const char32_t folded = QChar::toCaseFolded(c);
        out.append(QChar::fromUcs4(folded));
    }
    return out.toStdString();
}

std::vector<std::string_view> foldedWords(std::string_view folded)
{
    std::vector<std::string_view> words;
    size_t start = 0;
    while (start < folded.size()) {
        size_t end = folded.find(' ', start);
        if (end == std::string_view::npos)
            end = folded.size();
        if (end > start)
            words.push_back(folded.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

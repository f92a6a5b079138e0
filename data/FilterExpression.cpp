#include "data/FilterExpression.h"

#include "data/DbError.h"

namespace {

[[noreturn]] void malformed(const QString& text, const QString& why)
{
    throw DbError(QStringLiteral("Malformed filter \"%1\": %2").arg(text, why));
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.') || c == QLatin1Char('$');
}

void skipBlanks(const QString& s, int& i)
{
    while (i < s.size() && s[i].isSpace())
        ++i;
}

} // namespace

QVector<FilterTerm> parseFilter(const QString& text)
{
    QVector<FilterTerm> terms;
    int i = 0;
    const int n = text.size();
    skipBlanks(text, i);
    if (i == n)
        return terms;
    for (;;) {
        FilterTerm term;
        skipBlanks(text, i);
        if (i < n && text[i] == QLatin1Char('[')) {
            const int close = text.indexOf(QLatin1Char(']'), i + 1);
            if (close < 0)
                malformed(text, QStringLiteral("unbalanced bracket"));
            term.field = text.mid(i + 1, close - i - 1).trimmed();
            i = close + 1;
        } else {
            const int start = i;
            while (i < n && isNameChar(text[i]))
                ++i;
            term.field = text.mid(start, i - start);
        }
        if (term.field.isEmpty())
            malformed(text, QStringLiteral("a field name is missing"));
        skipBlanks(text, i);
        if (i >= n || text[i] != QLatin1Char('='))
            malformed(text, QStringLiteral("'=' expected after %1").arg(term.field));
        ++i;
        skipBlanks(text, i);
        if (i < n && text[i] == QLatin1Char('\'')) {
            ++i;
            for (;;) {
                if (i >= n)
                    malformed(text, QStringLiteral("unbalanced quote"));
                if (text[i] == QLatin1Char('\'')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('\'')) {
                        term.value += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                term.value += text[i++];
            }
        } else {
            // An unquoted number such as the fixed "item_id = 0".
            const int start = i;
            if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
                ++i;
            while (i < n && (text[i].isDigit() || text[i] == QLatin1Char('.')))
                ++i;
            term.value = text.mid(start, i - start);
            bool ok = false;
            term.value.toDouble(&ok);
            if (!ok)
                malformed(text, QStringLiteral("a quoted value or a number expected after %1 =").arg(term.field));
        }
        terms.push_back(term);
        skipBlanks(text, i);
        if (i == n)
            break;
        if (text.mid(i, 3).compare(QLatin1String("AND"), Qt::CaseInsensitive) != 0 || i + 3 >= n || !text[i + 3].isSpace())
            malformed(text, QStringLiteral("AND expected at \"%1\"").arg(text.mid(i)));
        i += 3;
    }
    return terms;
}

#include "data/JetSql.h"

#include "data/DbError.h"

#include <QStringList>

namespace {

// Jet functions with no SQLite function of the same name and meaning.
const char* const kJetOnlyFunctions[] = {"IIF", "NZ", "SWITCH", "CSTR", "CINT", "CLNG", "CDBL", "CDATE", "FORMAT",
                                         "DATEADD", "DATEDIFF", "DATEPART", "MID", "LEFT", "RIGHT", "INSTR", "LEN",
                                         "UCASE", "LCASE", "VAL", "NOW", "ISNULL"};

[[noreturn]] void reject(const QString& why, const QString& jetSql)
{
    throw DbError(QStringLiteral("Cannot translate the statement (%1): %2").arg(why, jetSql));
}

bool isIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// A name SQLite accepts bare: letters, digits and '_' in each dot-separated part.
bool isPlainName(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (const QString& part : s.split(QLatin1Char('.'))) {
        if (part.isEmpty() || part[0].isDigit())
            return false;
        for (QChar c : part)
            if (!isIdentChar(c))
                return false;
    }
    return true;
}

void checkFunctionName(const QString& word, const QString& rest, const QString& jetSql)
{
    int i = 0;
    while (i < rest.size() && rest[i].isSpace())
        ++i;
    if (i >= rest.size() || rest[i] != QLatin1Char('('))
        return;
    const QString upper = word.toUpper();
    for (const char* f : kJetOnlyFunctions)
        if (upper == QLatin1String(f))
            reject(QStringLiteral("the Jet function %1 has no SQLite equivalent").arg(word), jetSql);
}

} // namespace

QString translateJetSql(const QString& jetSql)
{
    QString out;
    out.reserve(jetSql.size() + 16);
    const int n = jetSql.size();
    int i = 0;
    while (i < n) {
        const QChar c = jetSql[i];
        if (c == QLatin1Char('\'')) {
            // A single-quoted literal passes unchanged, doubled quotes included.
            int j = i + 1;
            for (;;) {
                if (j >= n)
                    reject(QStringLiteral("unbalanced single quote"), jetSql);
                if (jetSql[j] == QLatin1Char('\'')) {
                    if (j + 1 < n && jetSql[j + 1] == QLatin1Char('\'')) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += jetSql.mid(i, j - i + 1);
            i = j + 1;
        } else if (c == QLatin1Char('"')) {
            // Jet reads "text" as a text literal; SQLite would read it as a name.
            QString literal;
            int j = i + 1;
            for (;;) {
                if (j >= n)
                    reject(QStringLiteral("unbalanced double quote"), jetSql);
                if (jetSql[j] == QLatin1Char('"')) {
                    if (j + 1 < n && jetSql[j + 1] == QLatin1Char('"')) {
                        literal += QLatin1Char('"');
                        j += 2;
                        continue;
                    }
                    break;
                }
                if (jetSql[j] == QLatin1Char('\''))
                    literal += QLatin1Char('\'');
                literal += jetSql[j];
                ++j;
            }
            out += QLatin1Char('\'') + literal + QLatin1Char('\'');
            i = j + 1;
        } else if (c == QLatin1Char('[')) {
            const int close = jetSql.indexOf(QLatin1Char(']'), i + 1);
            if (close < 0)
                reject(QStringLiteral("unbalanced bracket"), jetSql);
            const QString name = jetSql.mid(i + 1, close - i - 1).trimmed();
            if (name.contains(QLatin1Char('[')))
                reject(QStringLiteral("nested bracket"), jetSql);
            if (isPlainName(name)) {
                out += name;
            } else if (!name.isEmpty() && !name.contains(QLatin1Char('"'))) {
                QString quoted;
                for (const QString& part : name.split(QLatin1Char('.')))
                    quoted += (quoted.isEmpty() ? QString() : QStringLiteral(".")) + QLatin1Char('"') + part + QLatin1Char('"');
                out += quoted;
            } else {
                reject(QStringLiteral("unusable bracketed name [%1]").arg(name), jetSql);
            }
            i = close + 1;
        } else if (c == QLatin1Char(']')) {
            reject(QStringLiteral("unbalanced bracket"), jetSql);
        } else if (c == QLatin1Char('`')) {
            const int close = jetSql.indexOf(QLatin1Char('`'), i + 1);
            if (close < 0)
                reject(QStringLiteral("unbalanced backtick"), jetSql);
            out += jetSql.mid(i, close - i + 1);
            i = close + 1;
        } else if (c == QLatin1Char('&')) {
            out += QStringLiteral(" || ");
            ++i;
        } else if (isIdentChar(c)) {
            int j = i;
            while (j < n && isIdentChar(jetSql[j]))
                ++j;
            const QString word = jetSql.mid(i, j - i);
            // A word right after '.' is a column name, never a function call.
            if (i == 0 || jetSql[i - 1] != QLatin1Char('.'))
                checkFunctionName(word, jetSql.mid(j, 8), jetSql);
            out += word;
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

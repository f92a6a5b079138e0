#include "data/JetSql.h"

#include "data/DbError.h"
#include "data/SqlTokens.h"

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

// A name SQLite accepts bare: letters, digits and '_' in each dot-separated part.
bool isPlainName(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (const QString& part : s.split(QLatin1Char('.'))) {
        if (part.isEmpty() || part[0].isDigit())
            return false;
        for (QChar c : part)
            if (!c.isLetterOrNumber() && c != QLatin1Char('_'))
                return false;
    }
    return true;
}

// A Jet-only function name followed by '(' (a word right after '.' is a column, never a call).
void checkFunctionName(const QVector<SqlToken>& tokens, int i, const QString& jetSql)
{
    if (i + 1 >= tokens.size() || !tokens[i + 1].isPunct("("))
        return;
    if (i > 0 && tokens[i - 1].isPunct(".") && tokens[i - 1].end == tokens[i].begin)
        return;
    const QString upper = tokens[i].text.toUpper();
    for (const char* f : kJetOnlyFunctions)
        if (upper == QLatin1String(f))
            reject(QStringLiteral("the Jet function %1 has no SQLite equivalent").arg(tokens[i].text), jetSql);
}

QString bracketedName(const SqlToken& t, const QString& jetSql)
{
    const QString name = t.text.trimmed();
    if (name.contains(QLatin1Char('[')))
        reject(QStringLiteral("nested bracket"), jetSql);
    if (isPlainName(name))
        return name;
    if (name.isEmpty() || name.contains(QLatin1Char('"')))
        reject(QStringLiteral("unusable bracketed name [%1]").arg(name), jetSql);
    QStringList parts;
    for (const QString& part : name.split(QLatin1Char('.')))
        parts << QLatin1Char('"') + part + QLatin1Char('"');
    return parts.join(QLatin1Char('.'));
}

QString unbalanced(QChar quote)
{
    if (quote == QLatin1Char('\''))
        return QStringLiteral("unbalanced single quote");
    if (quote == QLatin1Char('"'))
        return QStringLiteral("unbalanced double quote");
    if (quote == QLatin1Char('`'))
        return QStringLiteral("unbalanced backtick");
    return QStringLiteral("unbalanced bracket");
}

} // namespace

QString translateJetSql(const QString& jetSql)
{
    const QVector<SqlToken> tokens = tokenizeSql(jetSql, SqlDialect::Jet);
    QString out;
    out.reserve(jetSql.size() + 16);
    int copied = 0; // blanks and comments between tokens pass unchanged
    for (int i = 0; i < tokens.size(); ++i) {
        const SqlToken& t = tokens[i];
        out += QStringView(jetSql).mid(copied, t.begin - copied);
        copied = t.end;
        if (t.unterminated)
            reject(unbalanced(t.quote), jetSql);
        if (t.kind == SqlToken::String && t.quote == QLatin1Char('"')) {
            // Jet reads "text" as a text literal; SQLite would read it as a name.
            out += QLatin1Char('\'') + QString(t.text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
        } else if (t.kind == SqlToken::Name && t.quote == QLatin1Char('[')) {
            out += bracketedName(t, jetSql);
        } else if (t.isPunct("]")) {
            reject(QStringLiteral("unbalanced bracket"), jetSql);
        } else if (t.isPunct("&")) {
            out += QStringLiteral(" || ");
        } else {
            if (t.kind == SqlToken::Word)
                checkFunctionName(tokens, i, jetSql);
            out += QStringView(jetSql).mid(t.begin, t.end - t.begin);
        }
    }
    out += QStringView(jetSql).mid(copied);
    return out;
}

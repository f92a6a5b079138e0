#include "data/SqlTokens.h"

namespace {

bool isIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

} // namespace

QVector<SqlToken> tokenizeSql(const QString& sql)
{
    QVector<SqlToken> out;
    const int n = sql.size();
    int depth = 0;
    int i = 0;
    auto push = [&](SqlToken::Kind kind, const QString& text) {
        SqlToken t;
        t.kind = kind;
        t.text = text;
        t.depth = depth;
        out.push_back(t);
    };
    while (i < n) {
        const QChar c = sql[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            while (i < n && sql[i] != QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\'')) {
            int j = i + 1;
            QString text;
            while (j < n) {
                if (sql[j] == QLatin1Char('\'')) {
                    if (j + 1 < n && sql[j + 1] == QLatin1Char('\'')) {
                        text += QLatin1Char('\'');
                        j += 2;
                        continue;
                    }
                    break;
                }
                text += sql[j++];
            }
            push(SqlToken::String, text);
            i = j + 1;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            int j = sql.indexOf(close, i + 1);
            if (j < 0)
                j = n;
            push(SqlToken::Word, sql.mid(i + 1, j - i - 1));
            i = j + 1;
        } else if (c.isDigit()) {
            int j = i;
            while (j < n && (isIdentChar(sql[j]) || sql[j] == QLatin1Char('.')))
                ++j;
            push(SqlToken::Number, sql.mid(i, j - i));
            i = j;
        } else if (isIdentChar(c)) {
            int j = i;
            while (j < n && isIdentChar(sql[j]))
                ++j;
            push(SqlToken::Word, sql.mid(i, j - i));
            i = j;
        } else if (c == QLatin1Char('(')) {
            push(SqlToken::Punct, QStringLiteral("("));
            ++depth;
            ++i;
        } else if (c == QLatin1Char(')')) {
            if (depth > 0)
                --depth;
            push(SqlToken::Punct, QStringLiteral(")"));
            ++i;
        } else {
            push(SqlToken::Punct, QString(c));
            ++i;
        }
    }
    return out;
}

#include "data/SqlTokens.h"

namespace {

bool isNameStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_') || c.unicode() >= 0x80;
}

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$') || c.unicode() >= 0x80;
}

// The two-character operators SQLite reads as one.
bool isPair(QChar a, QChar b) {
    static const char* const pairs[] = {"||", "<=", ">=", "<>", "!=", "==", "<<", ">>"};
    for (const char* p : pairs)
        if (a == QLatin1Char(p[0]) && b == QLatin1Char(p[1]))
            return true;
    return false;
}

class Scanner {
public:
    Scanner(const QString& sql, SqlDialect dialect) : m_sql(sql), m_n(sql.size()), m_dialect(dialect) {}

    QVector<SqlToken> run() {
        while (m_i < m_n) {
            const QChar c = m_sql[m_i];
            if (c.isSpace())
                ++m_i;
            else if (c == QLatin1Char('-') && next(1) == QLatin1Char('-'))
                skipLineComment();
            else if (c == QLatin1Char('/') && next(1) == QLatin1Char('*'))
                skipBlockComment();
            else if (c == QLatin1Char('\''))
                quoted(SqlToken::String, c);
            else if (c == QLatin1Char('"'))
                quoted(m_dialect == SqlDialect::Jet ? SqlToken::String : SqlToken::Name, c);
            else if (c == QLatin1Char('`'))
                quoted(SqlToken::Name, c);
            else if (c == QLatin1Char('['))
                bracketed();
            else if (c.isDigit() || (c == QLatin1Char('.') && next(1).isDigit()))
                number();
            else if (isNameStart(c))
                word(SqlToken::Word);
            else if ((c == QLatin1Char(':') || c == QLatin1Char('@') || c == QLatin1Char('$')) &&
                     isNameChar(next(1)))
                word(SqlToken::Param);
            else if (c == QLatin1Char('?'))
                numberedParam();
            else
                punct(c);
        }
        return m_out;
    }

private:
    QChar next(int ahead) const { return m_i + ahead < m_n ? m_sql[m_i + ahead] : QChar(); }

    void push(SqlToken::Kind kind, QString text, int begin, int end, QChar quote = QChar(),
              bool unterminated = false) {
        SqlToken t;
        t.kind = kind;
        t.text = std::move(text);
        t.begin = begin;
        t.end = end;
        t.depth = m_depth;
        t.quote = quote;
        t.unterminated = unterminated;
        m_out.push_back(std::move(t));
    }

    void skipLineComment() {
        while (m_i < m_n && m_sql[m_i] != QLatin1Char('\n'))
            ++m_i;
    }

    void skipBlockComment() {
        const int close = m_sql.indexOf(QLatin1String("*/"), m_i + 2);
        m_i = close < 0 ? m_n : close + 2;
    }

    // 'text', "text" or `name`: the closing quote doubled stands for itself.
    void quoted(SqlToken::Kind kind, QChar quote) {
        const int begin = m_i;
        QString text;
        int j = m_i + 1;
        for (;;) {
            if (j >= m_n) {
                push(kind, text, begin, m_n, quote, true);
                m_i = m_n;
                return;
            }
            if (m_sql[j] == quote) {
                if (j + 1 < m_n && m_sql[j + 1] == quote) {
                    text += quote;
                    j += 2;
                    continue;
                }
                break;
            }
            text += m_sql[j++];
        }
        push(kind, text, begin, j + 1, quote);
        m_i = j + 1;
    }

    void bracketed() {
        const int close = m_sql.indexOf(QLatin1Char(']'), m_i + 1);
        if (close < 0) {
            push(SqlToken::Name, m_sql.mid(m_i + 1), m_i, m_n, QLatin1Char('['), true);
            m_i = m_n;
            return;
        }
        push(SqlToken::Name, m_sql.mid(m_i + 1, close - m_i - 1), m_i, close + 1, QLatin1Char('['));
        m_i = close + 1;
    }

    // Digits, a fraction, an exponent with its sign; letters run on (0x1F, 1abc) as SQLite reports them.
    void number() {
        int j = m_i;
        while (j < m_n) {
            const QChar c = m_sql[j];
            if ((c == QLatin1Char('e') || c == QLatin1Char('E')) && j + 2 < m_n &&
                (m_sql[j + 1] == QLatin1Char('+') || m_sql[j + 1] == QLatin1Char('-')) &&
                m_sql[j + 2].isDigit())
                j += 2;
            else if (!isNameChar(c) && c != QLatin1Char('.'))
                break;
            ++j;
        }
        push(SqlToken::Number, m_sql.mid(m_i, j - m_i), m_i, j);
        m_i = j;
    }

    // A name, or a parameter's sign followed by its name.
    void word(SqlToken::Kind kind) {
        int j = m_i + 1;
        while (j < m_n && isNameChar(m_sql[j]))
            ++j;
        push(kind, m_sql.mid(m_i, j - m_i), m_i, j);
        m_i = j;
    }

    void numberedParam() {
        int j = m_i + 1;
        while (j < m_n && m_sql[j].isDigit())
            ++j;
        push(SqlToken::Param, m_sql.mid(m_i, j - m_i), m_i, j);
        m_i = j;
    }

    void punct(QChar c) {
        if (c == QLatin1Char(')') && m_depth > 0)
            --m_depth;
        const int width = isPair(c, next(1)) ? 2 : 1;
        push(SqlToken::Punct, m_sql.mid(m_i, width), m_i, m_i + width);
        if (c == QLatin1Char('('))
            ++m_depth;
        m_i += width;
    }

    const QString& m_sql;
    const int m_n;
    const SqlDialect m_dialect;
    int m_i = 0;
    int m_depth = 0;
    QVector<SqlToken> m_out;
};

} // namespace

QVector<SqlToken> tokenizeSql(const QString& sql, SqlDialect dialect) {
    return Scanner(sql, dialect).run();
}

#include "data/FilterExpression.h"

#include "data/DbError.h"
#include "data/SqlTokens.h"

#include <cmath>

namespace {

[[noreturn]] void malformed(const QString& text, const QString& why) {
    throw DbError(QStringLiteral("Malformed filter \"%1\": %2").arg(text, why));
}

class FilterParser {
public:
    explicit FilterParser(const QString& text) : m_text(text), m_tokens(tokenizeSql(text)) {}

    QVector<FilterTerm> run() {
        QVector<FilterTerm> terms;
        if (m_tokens.isEmpty())
            return terms;
        for (;;) {
            FilterTerm term;
            term.field = field();
            if (!at().isPunct("="))
                malformed(m_text, QStringLiteral("'=' expected after %1").arg(term.field));
            ++m_i;
            term.value = value(term.field);
            terms.push_back(term);
            if (m_i == m_tokens.size())
                break;
            if (!at().isWord("AND"))
                malformed(m_text, QStringLiteral("AND expected at \"%1\"").arg(m_text.mid(at().begin)));
            ++m_i;
        }
        return terms;
    }

private:
    const SqlToken& at() const {
        static const SqlToken none;
        return m_i < m_tokens.size() ? m_tokens[m_i] : none;
    }

    void checkClosed(const SqlToken& t) const {
        if (!t.unterminated)
            return;
        malformed(m_text, t.quote == QLatin1Char('[') ? QStringLiteral("unbalanced bracket")
                                                      : QStringLiteral("unbalanced quote"));
    }

    // A [bracketed] name as a whole, or bare names joined by dots (npcnames.name).
    QString field() {
        const SqlToken& first = at();
        checkClosed(first);
        if (first.kind == SqlToken::Name && first.quote == QLatin1Char('[')) {
            ++m_i;
            const QString name = first.text.trimmed();
            if (name.isEmpty())
                malformed(m_text, QStringLiteral("a field name is missing"));
            return name;
        }
        QString name;
        while (at().kind == SqlToken::Word || at().kind == SqlToken::Number || at().isPunct(".")) {
            if (!name.isEmpty() && m_tokens[m_i - 1].end != at().begin)
                break;
            name += at().text;
            ++m_i;
        }
        if (name.isEmpty())
            malformed(m_text, QStringLiteral("a field name is missing"));
        return name;
    }

    // A quoted value, or an unquoted number such as the fixed "item_id = 0".
    QString value(const QString& field) {
        const SqlToken& t = at();
        checkClosed(t);
        if (t.kind == SqlToken::String && t.quote == QLatin1Char('\'')) {
            ++m_i;
            return t.text;
        }
        QString number;
        if ((t.isPunct("-") || t.isPunct("+")) && m_i + 1 < m_tokens.size() &&
            m_tokens[m_i + 1].kind == SqlToken::Number && m_tokens[m_i + 1].begin == t.end) {
            number = t.text;
            ++m_i;
        }
        bool ok = false;
        if (at().kind == SqlToken::Number) {
            number += at().text;
            number.toDouble(&ok);
        }
        if (!ok)
            malformed(m_text, QStringLiteral("a quoted value or a number expected after %1 =").arg(field));
        ++m_i;
        return number;
    }

    const QString& m_text;
    const QVector<SqlToken> m_tokens;
    int m_i = 0;
};

} // namespace

QVector<FilterTerm> parseFilter(const QString& text) {
    return FilterParser(text).run();
}

bool integerFilterValue(const QString& valueText, qint64& key) {
    const QString v = valueText.trimmed();
    bool ok = false;
    key = v.toLongLong(&ok);
    if (ok)
        return true;
    const double d = v.toDouble(&ok);
    if (!ok || std::floor(d) != d || std::fabs(d) >= 9.0e18)
        return false;
    key = static_cast<qint64>(d);
    return true;
}

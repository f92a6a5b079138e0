#include "data/SelectShape.h"

namespace {

const char* const kAggregates[] = {"COUNT", "SUM", "TOTAL",        "AVG",
                                   "MIN",   "MAX", "GROUP_CONCAT", "STRING_AGG"};

bool isAggregateCall(const QVector<SqlToken>& t, int i) {
    if (t[i].kind != SqlToken::Word || i + 1 >= t.size() || !t[i + 1].isPunct("("))
        return false;
    if (i > 0 && t[i - 1].isPunct("."))
        return false;
    for (const char* a : kAggregates)
        if (t[i].isWord(a))
            return true;
    return false;
}

// Words that end the clause they stand in, at the arm's own depth.
bool endsFrom(const SqlToken& t) {
    return t.isWord("WHERE") || t.isWord("GROUP") || t.isWord("ORDER") || t.isWord("UNION") ||
           t.isWord("HAVING") || t.isWord("LIMIT") || t.isWord("EXCEPT") || t.isWord("INTERSECT") ||
           t.isWord("WINDOW") || t.isPunct(";");
}

bool endsWhere(const SqlToken& t) {
    return !t.isWord("WHERE") && endsFrom(t);
}

QVector<TableRef> parseFrom(const QVector<SqlToken>& t, bool& usingJoin) {
    QVector<TableRef> refs;
    bool expectTable = true;
    bool inOn = false;
    for (int i = 0; i < t.size(); ++i) {
        const SqlToken& k = t[i];
        if (k.isWord("NATURAL") || k.isWord("USING"))
            usingJoin = true;
        if (k.isWord("JOIN") || k.isPunct(",")) {
            expectTable = true;
            inOn = false;
        } else if (k.isWord("ON") || k.isWord("USING")) {
            inOn = true;
            expectTable = false;
        } else if (inOn) {
            continue;
        } else if (k.isPunct("(")) {
            // A nested join or a sub-select; names inside a sub-select are not ours.
            if (i + 1 < t.size() && t[i + 1].isWord("SELECT")) {
                const int depth = k.depth;
                while (i + 1 < t.size() && !(t[i + 1].isPunct(")") && t[i + 1].depth == depth))
                    ++i;
                expectTable = false;
            }
        } else if (expectTable && k.isIdentifier() && !isClauseKeyword(k)) {
            TableRef ref;
            ref.table = k.text;
            int j = i + 1;
            // schema.table
            if (j + 1 < t.size() && t[j].isPunct(".") && t[j + 1].isIdentifier()) {
                ref.table = t[j + 1].text;
                j += 2;
            }
            if (j < t.size() && t[j].isWord("AS") && j + 1 < t.size()) {
                ref.alias = t[j + 1].text;
                j += 2;
            } else if (j < t.size() && t[j].isIdentifier() && !isClauseKeyword(t[j])) {
                ref.alias = t[j].text;
                ++j;
            }
            if (ref.alias.isEmpty())
                ref.alias = ref.table;
            refs.push_back(ref);
            i = j - 1;
            expectTable = false;
        }
    }
    return refs;
}

class ShapeReader {
public:
    explicit ShapeReader(const QString& sql) : m_t(tokenizeSql(sql)) {}

    SelectShape run() {
        SelectShape shape;
        if (m_t.isEmpty() || !m_t[0].isWord("SELECT"))
            return shape;
        for (;;) {
            shape.arms.push_back(arm());
            if (m_i < m_t.size() &&
                (m_t[m_i].isWord("UNION") || m_t[m_i].isWord("EXCEPT") || m_t[m_i].isWord("INTERSECT"))) {
                QString op = m_t[m_i].text.toUpper();
                ++m_i;
                if (m_i < m_t.size() && m_t[m_i].isWord("ALL")) {
                    op += QStringLiteral(" ALL");
                    ++m_i;
                }
                shape.operators << op;
                if (m_i >= m_t.size() || !m_t[m_i].isWord("SELECT"))
                    return shape;
                continue;
            }
            break;
        }
        // What may follow the last arm: ORDER BY ..., LIMIT ..., and one ';'.
        for (; m_i < m_t.size(); ++m_i) {
            const SqlToken& k = m_t[m_i];
            if (k.depth != 0)
                continue;
            if (k.isWord("ORDER"))
                shape.ordered = true;
            else if (k.isWord("LIMIT") || k.isWord("OFFSET"))
                shape.limited = true;
            else if (k.isPunct(";"))
                break;
        }
        if (m_i < m_t.size() && m_i + 1 != m_t.size())
            return shape; // a second statement
        shape.end = lastEnd();
        shape.understood = true;
        return shape;
    }

private:
    SelectArm arm() {
        SelectArm a;
        a.selectBegin = m_t[m_i].begin;
        ++m_i;
        if (m_i < m_t.size() && (m_t[m_i].isWord("DISTINCT") || m_t[m_i].isWord("ALL")))
            ++m_i;
        a.items.push_back({});
        for (; m_i < m_t.size(); ++m_i) {
            const SqlToken& k = m_t[m_i];
            if (k.depth == 0 && (k.isWord("FROM") || endsFrom(k)))
                break;
            if (k.depth == 0 && k.isPunct(",")) {
                a.items.push_back({});
                continue;
            }
            noteCall(a, m_i);
            a.items.back().push_back(k);
        }
        a.conditionEnd = lastEnd();
        if (m_i < m_t.size() && m_t[m_i].isWord("FROM")) {
            ++m_i;
            QVector<SqlToken> from;
            for (; m_i < m_t.size() && !(m_t[m_i].depth == 0 && endsFrom(m_t[m_i])); ++m_i)
                from.push_back(m_t[m_i]);
            a.tables = parseFrom(from, a.hasJoinConstraintUsing);
            a.conditionEnd = lastEnd();
        }
        if (m_i < m_t.size() && m_t[m_i].isWord("WHERE")) {
            ++m_i;
            a.hasWhere = true;
            a.conditionBegin = m_i < m_t.size() ? m_t[m_i].begin : lastEnd();
            for (; m_i < m_t.size() && !(m_t[m_i].depth == 0 && endsWhere(m_t[m_i])); ++m_i)
                noteCall(a, m_i);
            a.conditionEnd = lastEnd();
        }
        // GROUP BY, HAVING, WINDOW and LIMIT inside an arm: a condition added would change them.
        for (; m_i < m_t.size(); ++m_i) {
            const SqlToken& k = m_t[m_i];
            if (k.depth == 0 && (k.isWord("UNION") || k.isWord("EXCEPT") || k.isWord("INTERSECT") ||
                                 k.isWord("ORDER") || k.isPunct(";")))
                break;
            a.filterable = false;
        }
        a.end = lastEnd();
        return a;
    }

    void noteCall(SelectArm& a, int i) {
        if (isAggregateCall(m_t, i) || m_t[i].isWord("OVER"))
            a.filterable = false;
    }

    int lastEnd() const { return m_i > 0 ? m_t[m_i - 1].end : 0; }

    const QVector<SqlToken> m_t;
    int m_i = 0;
};

} // namespace

bool isClauseKeyword(const SqlToken& t) {
    static const char* const words[] = {"INNER", "LEFT",   "RIGHT", "OUTER",  "FULL",      "CROSS", "NATURAL",
                                        "JOIN",  "ON",     "AS",    "USING",  "WHERE",     "GROUP", "ORDER",
                                        "UNION", "HAVING", "LIMIT", "EXCEPT", "INTERSECT", "WINDOW"};
    for (const char* w : words)
        if (t.isWord(w))
            return true;
    return false;
}

QVector<SqlToken> withoutEnclosingParens(QVector<SqlToken> t) {
    while (t.size() >= 2 && t.front().isPunct("(") && t.back().isPunct(")")) {
        const int depth = t.front().depth;
        for (int i = 1; i + 1 < t.size(); ++i)
            if (t[i].isPunct(")") && t[i].depth == depth)
                return t;
        t = t.mid(1, t.size() - 2);
    }
    return t;
}

SelectShape parseSelectShape(const QString& sqliteSql) {
    return ShapeReader(sqliteSql).run();
}

#pragma once
// A small tokenizer for SQLite statement text, enough to find the parts of a SELECT
// (its item list and its FROM clause) at the top level of parentheses.

#include <QString>
#include <QVector>

struct SqlToken {
    enum Kind { Word, Number, String, Punct };
    Kind kind = Punct;
    QString text;  ///< a Word's name without quotes; a Punct's character(s)
    int depth = 0; ///< parenthesis depth before the token; '(' and ')' carry the outer depth

    bool isWord(const char* upper) const { return kind == Word && text.compare(QLatin1String(upper), Qt::CaseInsensitive) == 0; }
    bool isPunct(const char* p) const { return kind == Punct && text == QLatin1String(p); }
};

/// Splits statement text into tokens; quoted names ("x", `x`, [x]) become Words.
QVector<SqlToken> tokenizeSql(const QString& sql);

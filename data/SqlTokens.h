#pragma once
// The one tokenizer of statement and filter text. Every reader of SQL in the data layer (the Jet
// translation, the result-column names, the statement shape, the filter parser) works on its
// tokens, so quotes, doubled quotes and [names] are scanned in one place.

#include <QString>
#include <QVector>

/// Jet reads "text" as a text literal; SQLite reads it as a quoted name.
enum class SqlDialect { Sqlite, Jet };

struct SqlToken {
    enum Kind {
        Word,   ///< a bare name or keyword
        Name,   ///< a quoted name: [x], `x`, and "x" in SQLite
        String, ///< a text literal: 'x', and "x" in Jet
        Number,
        Param, ///< :name, @name, $name, ?NNN
        Punct  ///< an operator or separator; "||", "<=", ">=", "<>", "!=", "==" are one token
    };
    Kind kind = Punct;
    /// Word, Number, Param, Punct: as written. Name, String: the content, doubled quotes undone.
    QString text;
    int begin = 0;             ///< offset of the first character in the source
    int end = 0;               ///< offset just past the last character
    int depth = 0;             ///< parenthesis depth before the token; '(' and ')' carry the outer depth
    QChar quote;               ///< the opening quote or bracket of a Name or String
    bool unterminated = false; ///< a quote or bracket that is never closed (the token runs to the end)

    bool isWord(const char* upper) const {
        return kind == Word && text.compare(QLatin1String(upper), Qt::CaseInsensitive) == 0;
    }
    bool isPunct(const char* p) const { return kind == Punct && text == QLatin1String(p); }
    /// A bare or quoted name.
    bool isIdentifier() const { return kind == Word || kind == Name; }
};

/// Splits text into tokens; blanks and comments (-- to the line end, /* */) fall between them.
/// Never throws: an unclosed quote or bracket is marked `unterminated` for the caller to judge.
QVector<SqlToken> tokenizeSql(const QString& sql, SqlDialect dialect = SqlDialect::Sqlite);

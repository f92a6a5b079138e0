#pragma once
// The statements are written in Jet SQL and kept that way in the code; this turns one into the
// SQLite text that gives the same rows in the same order.

#include <QString>

/// `&` -> `||` outside literals, "double-quoted literals" -> 'single-quoted', [name] and [t.c]
/// -> name and t.c (a bracketed name with other characters becomes a "quoted identifier").
/// Throws DbError naming the statement for an unbalanced quote or bracket, or a Jet-only
/// function (IIF, NZ, ...), which SQLite would misread.
QString translateJetSql(const QString& jetSql);

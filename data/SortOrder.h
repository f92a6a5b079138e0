#pragma once
// A dataset sort text, parsed: field ASC|DESC, several joined by commas; ASC when omitted.

#include <QString>
#include <QVector>

struct SortKey {
    QString field;
    bool descending = false;
};

/// Throws DbError naming the sort text when it does not have that form. Empty text gives no
/// keys (the statement's order).
QVector<SortKey> parseSort(const QString& text);

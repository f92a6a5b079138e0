#pragma once
// A dataset filter text, parsed: field = 'value' (quotes inside doubled) or field = number,
// joined by AND. Field names may be qualified (npcnames.name) or bracketed ([item_id]).

#include <QString>
#include <QVector>

struct FilterTerm {
    QString field;
    QString value; ///< the literal's text, quotes removed
};

/// Throws DbError naming the filter text when it does not have that form. Empty text gives no
/// terms (every row passes).
QVector<FilterTerm> parseFilter(const QString& text);

/// The integer a filter value stands for on an integer column: '57', ' 57 ' and '57.0' give 57;
/// false when it is no whole number.
bool integerFilterValue(const QString& valueText, qint64& key);

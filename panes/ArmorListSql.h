#pragma once
// The list statement of the armor and accessories windows: the same select over armor, items
// and itemnames, narrowed to a window's body parts and ordered its own way.

#include <QString>
#include <QStringList>

/// The statement's lines joined by line breaks: the four select lines, "WHERE", the pet
/// exclusion, one line per body part ("AND (A.body_part = 'x' OR" for the first,
/// "A.body_part = 'y' OR" for the next, no "OR" after the last), ")", the two joins, and
/// "ORDER BY  " (two blanks) followed by orderBy. bodyParts must not be empty.
QString armorListSql(const QStringList& bodyParts, const QString& orderBy);

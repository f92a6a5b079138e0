#pragma once
// Quick find, its "clear" button and the type filter of the browse windows' main lists, plus
// the three-step re-filter every filter change goes through.

#include <QString>

class Dataset;
class QLineEdit;

/// The value between single quotes, every single quote inside doubled: a'b -> 'a''b'.
QString quotedValue(const QString& value);

/// prefix + quotedValue(value), e.g. "weapon_type = " and abc -> weapon_type = 'abc'.
QString filterText(const QString& prefix, const QString& value);

/// Applies a new filter text and switches the filter on; the dataset moves to its first row
/// and its after-scroll runs once (also when no row is left).
void refilter(Dataset& dataset, const QString& filter);

/// Moves to the row whose key field begins with text, ignoring case; among several, the one
/// with the alphabetically first key. Only rows the filter lets through are searched. An empty
/// text or no match moves nothing. Returns whether the selection moved to a match.
bool quickFind(Dataset& dataset, const QString& keyField, const QString& text);

/// Empties the search field (which searches with an empty text: no move), then moves the
/// dataset to its first row. Filter and sort stay.
void clearSearch(QLineEdit& searchField, Dataset& dataset);

/// Narrows the dataset to one type: nothing when typeValue is empty, else re-filters with
/// prefix + quoted value. Returns whether a filter was applied.
bool applyTypeFilter(Dataset& dataset, const QString& prefix, const QString& typeValue);

#pragma once
// Reads what the search finds from the database file, through a read-only connection of its own
// (safe beside the program's connection: SQLite lets each thread keep its own). Each list is a
// statement exactly as a window runs it, or a whole table, so the search holds what the windows
// can show and nothing else.

#include "data/SearchIndex.h"

#include <QString>
#include <QStringList>
#include <QVector>


class ReadStop;

/// One list of things of one kind.
struct SearchList {
    uint8_t kind = 0;
    QString statement;      ///< Jet text, as the window runs it (no parameters); or empty and
    QString table;          ///< a whole table
    QStringList keyFields;  ///< result fields of the key in order; an empty name stands for an empty text
    QString nameField;
    QString otherNameField; ///< optional
    QString detailField;    ///< optional
    QString detailFormat = QStringLiteral("%1"); ///< around the detail value
    QString noDetail;       ///< a value meaning "none" (any letter case): shown as no detail
    QString iconField;      ///< optional
    bool onePerKey = false; ///< a row whose key came already adds nothing (the first row wins)
};

/// The things of every list, read from the database file. Throws DbError naming the file or the
/// list when the file cannot be opened or a statement fails. Once `stop` is stopped it returns
/// early with what it has.
std::vector<SearchItem> readSearchItems(const QString& databaseFile, const QVector<SearchList>& lists,
                                        ReadStop* stop = nullptr);

#pragma once
// What a failed statement on the open database says to the user: the file, what is wrong with it
// and, for the details, the statement and SQLite's own text.

#include "data/DbError.h"

#include <QString>

struct sqlite3;

/// Failures on `db` name `file` instead of the file open (until forgotten).
void nameFileOf(sqlite3* db, const QString& file);
void forgetFileOf(sqlite3* db);

/// The failure of the statement (shown as written) that just failed on db.
DbError readFailure(sqlite3* db, const QString& shownStatement);

/// What is wrong with the file, for an SQLite result code and its text: "is damaged", "is locked
/// by another program", ...
QString fileProblem(int sqliteCode, const QString& sqliteText);

#pragma once
// Checks made before and right after the database file is opened, so that a wrong file is
// reported by what it is (missing, not a regular file, empty, Jet/Access, truncated, locked)
// rather than by a generic failure on the first statement.

#include <QString>

struct sqlite3;

/// Throws DbError naming the path when it is missing, a folder, not a regular file, unreadable
/// or empty.
void checkReadableFile(const QString& path);
/// Throws DbError naming the path when the file cannot be the game database. A Jet/Access file
/// is refused too: it is read through an imported copy, never opened as it is.
void checkDatabaseFile(const QString& path);
/// Checks the file (checkDatabaseFile) and opens it for one thread, read-only or read-write,
/// never creating it; the handle waits a moment for another program's write and keeps up to
/// 16 MiB of the file's pages. Throws DbError naming the path.
sqlite3* openDatabaseFile(const QString& path, bool readOnly);
/// Whether the file starts as a Jet/Access database does (any version); false when it cannot
/// be read.
bool isJetDatabaseFile(const QString& path);
/// Reads the schema once through the open handle; throws DbError for a corrupt, foreign or
/// locked file.
void probeOpenDatabase(sqlite3* db, const QString& path);

#pragma once
// Opening a Jet/Access game database: the program browses an SQLite copy of it, kept in the
// user's cache folder and made (with a progress dialog) only when the file is new or changed.
// The copy is read-only: nothing done in the program could reach the Jet file.

#include <QString>

class TDBModule;

/// Opens the copy of the Jet file `source` in `module`: the current one from the cache, or a
/// fresh import. A copy that no longer opens is made again once. Throws DbError naming the file
/// when the import fails or is cancelled; the connection then names the Jet file, so a later
/// attempt says it was not imported. What the file lacks is reported once, after its import.
void openJetDatabase(TDBModule& module, const QString& source);

/// Why nothing can be edited in a copy of `source`, and what to do instead.
QString jetReadOnlyReason(const QString& source);

/// The program the import runs in (default: this program's executable); tests name the built one.
void setImportProgram(const QString& program);
/// The folder copies are kept in (default: ImportCache::defaultFolder()).
void setImportCacheFolder(const QString& folder);

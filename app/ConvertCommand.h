#pragma once
// `tavrin --convert IN.mdb OUT.db`: the SQLite copy of a Jet file written where the user says,
// without a window. The import runs in a process of its own as it does at start-up, so a file
// that stops the Jet reader gives a message here too.

#include <QString>

#include <cstdio>

/// Converts `source` into the new file `target` with `program` (this program's executable),
/// telling the tables on `out` and any problem on `err`. Returns 0 when the copy is complete,
/// 1 when it is not (nothing is written then).
int runConvert(const QString& source, const QString& target, const QString& program, std::FILE* out, std::FILE* err);

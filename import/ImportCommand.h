#pragma once
// The import as a process of its own runs it: the program started as
// `tavrin --import-jet SOURCE TARGET` reads the Jet file and writes its copy to TARGET,
// telling its parent how far it got in progress lines on standard output.

#include <QString>

#include <cstdio>

/// Imports `source` into `target`, writing progress lines to `out`. Returns 0 when the copy is
/// complete, 1 when the import failed (a "failed" line says why).
int runImportCommand(const QString& source, const QString& target, std::FILE* out);

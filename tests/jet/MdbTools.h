#pragma once
// mdbtools' own programs as the independent reader of the files the Jet writer makes.

#include "tests/jet/QtPrinters.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace jettest {

using Value = std::optional<QString>; // nothing for NULL (mdb-export cannot tell an empty text from it)
using Rows = std::vector<std::vector<Value>>;

// Runs one of mdbtools' programs and returns what it printed; throws std::runtime_error when the
// program is missing, fails, or complains on its error output.
QString runMdbTool(const QString& program, const QStringList& args);

// mdb-export's rows: numbers as it prints them, dates as "yyyy-MM-dd HH:mm:ss", booleans 0/1.
Rows exportRows(const QString& mdbPath, const QString& table);
// mdb-export's header line: the column names.
QStringList exportedColumns(const QString& mdbPath, const QString& table);
// User tables (or also system tables) as mdb-tables lists them.
QStringList tableNames(const QString& mdbPath, bool withSystemTables = false);

// A double as mdbtools prints it ("%.16g").
QString mdbDouble(double value);

} // namespace jettest

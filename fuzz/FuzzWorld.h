#pragma once
// What the fuzz targets run against: the game schema in memory, and a small game database file
// in a temporary folder with a connection to it and two open datasets over it.

#include <cstddef>
#include <cstdint>

#include <QString>

class Connection;
class Dataset;
struct sqlite3;

/// The input as text, whatever its bytes (invalid UTF-8 becomes replacement characters).
QString fuzzText(const uint8_t* data, size_t size);

/// An in-memory database holding the real schema, created on first use; lives to the end.
sqlite3* schemaDatabase();

/// The open datasets over the small database file, created on first use: all items (text,
/// integer and yes/no columns, NULLs, a quote in a name) and a join of drops with item names
/// (floats, and column names qualified where two tables share them).
Dataset& itemsDataset();
Dataset& dropsDataset();

/// A temporary folder for the files a target writes (ends with its separator); removed at exit.
QString scratchFolder();

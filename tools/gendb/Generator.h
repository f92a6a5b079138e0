#pragma once
// Writes a game database (gd.mdb, an SQLite file with the schema of data/schema.sql) and the icon
// bitmaps it names. Both functions overwrite existing files and throw std::runtime_error on failure;
// a failed run leaves an existing database untouched.

#include <QString>

namespace gen {

/// The deterministic demo world: the same scale always gives the same tables and pictures.
/// Every count grows linearly with scale (1 = demo, 10 = benchmark size).
void generateWorld(const QString& dbPath, const QString& imagesDir, int scale);

/// The tiny hand-placed test database documented in Fixture.h, with a few icon bitmaps.
void generateFixture(const QString& dbPath, const QString& imagesDir);

} // namespace gen

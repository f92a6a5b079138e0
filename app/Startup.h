#pragma once
// The program's start-up and shut-down, factored out of main() so tests can drive them.

#include <QString>

/// Sets the application title "Tavrin", then creates MainForm (hidden), AboutBox (hidden) and
/// DBModule, whose creation handler runs on the given folder. A failure of that handler is
/// reported once and start-up goes on with the connection closed.
void startTavrin(const QString& exeFolderWithSeparator);

struct DatabaseLocation;
/// The same over a located database file; its folder's images/ holds the pictures. When none of
/// the places tried holds a database, the report names every one.
void startTavrin(const DatabaseLocation& location);

/// Destroys in reverse order of creation: the open browse windows (newest first), DBModule
/// (its destroy handler closes the connection), AboutBox, MainForm. Safe to call twice.
void stopTavrin();

/// The running executable's folder with a trailing separator.
QString executableFolder();

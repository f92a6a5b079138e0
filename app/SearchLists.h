#pragma once
// What the search reads, and how its kinds are called: every browse window's list as the window
// runs it, with the fields its place keys rows by, so a hit opens on its row.

#include "data/SearchSource.h"
#include "panes/NavigationHost.h"

#include <QVector>

/// One list per kind of hit; a hit's kind is the WindowKind of the window that shows it.
QVector<SearchList> searchLists();

/// The heading over a kind's hits: "Weapons", "Monsters", ...
QString searchKindCaption(WindowKind kind);

/// The picture of the command that opens the kind's window (ToolPictures' numbering).
int searchKindPicture(WindowKind kind);

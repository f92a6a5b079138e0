#pragma once
// Creates the browse window class that belongs to a window kind, over the one data module.

#include "panes/NavigationHost.h"

class QWidget;

/// A new, parentless window of the kind's class, or nullptr when that window is not part of
/// this build. Throws whatever the window's construction throws (DbError when its queries fail).
QWidget* createBrowseWindow(WindowKind kind, NavigationHost& host);

#pragma once
// The scale-1 demo world, generated once per test program into a temporary folder.

#include <QString>

class DbProbe;

namespace shared_world {
QString folder();      // holds gd.mdb and images/
DbProbe& db();
} // namespace shared_world

#pragma once

namespace jet {

enum class JetVersion {
    Jet3, // Access 97: 2 KB pages, text in code page 1252
    Jet4, // Access 2000 to 2003: 4 KB pages, text in UCS-2
};

} // namespace jet

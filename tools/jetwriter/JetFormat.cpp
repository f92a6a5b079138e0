#include "tools/jetwriter/JetFormat.h"

namespace jet {

const Format& Format::jet3()
{
    static const Format format{JetVersion::Jet3, 2048, 0x08, 43, 18, 128, 0x0409, 1252};
    return format;
}

const Format& Format::jet4()
{
    static const Format format{JetVersion::Jet4, 4096, 0x0c, 63, 25, 64, 0x0409, 1252};
    return format;
}

const Format& Format::of(JetVersion version) { return version == JetVersion::Jet3 ? jet3() : jet4(); }

} // namespace jet

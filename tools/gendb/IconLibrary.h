#pragma once
// The icon files a database refers to: hands out base names (no extension) and writes every named
// picture, plus none.BMP, as a 24-bit .BMP file.

#include "tools/gendb/IconKind.h"

#include <QString>
#include <map>
#include <string>

namespace gen {

class IconLibrary {
public:
    // "weapon_sword_03" style name for a kind and variant (1-based); the picture is written later.
    std::string name(IconKind kind, int variant);
    // A picture under a name of the caller's choosing (file base name, without ".BMP").
    void add(const std::string& baseName, IconKind kind, int variant);
    // Writes all pictures into dir (created if needed); throws std::runtime_error on failure.
    void write(const QString& dir) const;
    size_t size() const { return m_icons.size(); }

private:
    std::map<std::string, std::pair<IconKind, int>> m_icons;
};

} // namespace gen

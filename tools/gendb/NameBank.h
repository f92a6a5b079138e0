#pragma once
// Hands out display names that have not been used yet, so lists read like a real catalogue.

#include "tools/gendb/Rng.h"

#include <functional>
#include <string>
#include <unordered_set>

namespace gen {

class NameBank {
public:
    // Draws with make until a fresh name turns up; after many clashes a rank numeral is added.
    std::string unique(Rng& rng, const std::function<std::string(Rng&)>& make);
    // Records a fixed name; returns false when it was taken already.
    bool claim(const std::string& name) { return m_used.insert(name).second; }

private:
    std::unordered_set<std::string> m_used;
};

} // namespace gen

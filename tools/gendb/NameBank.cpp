#include "tools/gendb/NameBank.h"

namespace gen {

namespace {

std::string roman(int n)
{
    static const std::pair<int, const char*> kDigits[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"},
                                                          {100, "C"},  {90, "XC"},  {50, "L"},  {40, "XL"},
                                                          {10, "X"},   {9, "IX"},   {5, "V"},   {4, "IV"},
                                                          {1, "I"}};
    std::string out;
    for (const auto& [value, text] : kDigits)
        for (; n >= value; n -= value)
            out += text;
    return out;
}

} // namespace

std::string NameBank::unique(Rng& rng, const std::function<std::string(Rng&)>& make)
{
    std::string name;
    for (int attempt = 0; attempt < 60; ++attempt) {
        name = make(rng);
        if (claim(name))
            return name;
    }
    // The word lists ran short: rank the last draw. Ranks are unbounded, so this always ends.
    for (int rank = 2;; ++rank) {
        const std::string ranked = name + " " + roman(rank);
        if (claim(ranked))
            return ranked;
    }
}

} // namespace gen

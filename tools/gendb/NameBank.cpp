#include "NameBank.h"

namespace gen {

std::string NameBank::unique(Rng& rng, const std::function<std::string(Rng&)>& make)
{
    std::string name;
    for (int attempt = 0; attempt < 60; ++attempt) {
        name = make(rng);
        if (claim(name))
            return name;
    }
    static const char* const kNumerals[] = {"II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"};
    for (int round = 0;; ++round) {
        for (const char* numeral : kNumerals) {
            const std::string ranked = name + " " + numeral;
            if (claim(ranked))
                return ranked;
        }
        name = make(rng);
        (void)round;
    }
}

} // namespace gen

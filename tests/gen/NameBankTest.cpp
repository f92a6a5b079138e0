// Names stay unique even when the word lists are far smaller than the number of names asked for.
#include "tools/gendb/NameBank.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(NameBank, ExhaustedWordListsStillGiveDistinctNamesAndEnd)
{
    gen::NameBank bank;
    gen::Rng rng(7);
    std::set<std::string> seen;
    // Two possible draws, 2,000 names wanted: ranks must carry on far past the first few.
    for (int i = 0; i < 2000; ++i) {
        const std::string name = bank.unique(rng, [](gen::Rng& r) { return r.chance(0.5) ? "Iron Ore" : "Coal"; });
        EXPECT_TRUE(seen.insert(name).second) << name;
        EXPECT_EQ(name.find_first_of("0123456789"), std::string::npos) << name;
    }
    EXPECT_TRUE(seen.count("Iron Ore") && seen.count("Coal") && seen.count("Coal II"));
    EXPECT_FALSE(bank.claim("Iron Ore"));
}

} // namespace

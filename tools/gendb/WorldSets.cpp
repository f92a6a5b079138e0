// Armor sets: each set brings its own named pieces, built before the regular catalogue takes names.
#include "tools/gendb/Words.h"
#include "tools/gendb/WorldState.h"

namespace gen {

namespace {

struct Piece {
    const char* part;
    IconKind icon;
    words::List nouns;
};

struct SetKind {
    const char* type;
    words::List suffixes;
    std::vector<Piece> pieces;
};

const std::vector<SetKind>& setKinds()
{
    static const std::vector<SetKind> kinds = {
        {"Heavy", {"Battle Set", "Plate Set", "War Harness"},
         {{"Upper Body", IconKind::UpperBody, {"Breastplate", "Cuirass"}},
          {"Lower Body", IconKind::LowerBody, {"Greaves", "Legplates"}},
          {"Helmets", IconKind::Helmet, {"Helm", "Greathelm"}},
          {"Gloves", IconKind::Gloves, {"Gauntlets"}},
          {"Boots", IconKind::Boots, {"Sabatons", "War Boots"}}}},
        {"Light", {"Hunter Set", "Leather Set", "Stalker Garb"},
         {{"Upper Body", IconKind::UpperBody, {"Jerkin", "Brigandine"}},
          {"Lower Body", IconKind::LowerBody, {"Leggings", "Breeches"}},
          {"Helmets", IconKind::Helmet, {"Hood", "Cap"}},
          {"Gloves", IconKind::Gloves, {"Gloves", "Bracers"}},
          {"Boots", IconKind::Boots, {"Boots", "Striders"}}}},
        {"Robe", {"Regalia", "Vestments", "Attire"},
         {{"Full Body", IconKind::FullBody, {"Robe", "Raiment"}},
          {"Helmets", IconKind::Helmet, {"Circlet", "Cowl"}},
          {"Gloves", IconKind::Gloves, {"Wraps", "Mitts"}},
          {"Boots", IconKind::Boots, {"Sandals", "Shoes"}}}},
    };
    return kinds;
}

std::string bonus(Rng& rng, const std::string& type)
{
    if (type == "Heavy")
        return "P. Def. +" + std::to_string(rng.range(3, 12)) + "%, HP +" + std::to_string(rng.range(2, 30) * 10);
    if (type == "Light")
        return "Evasion +" + std::to_string(rng.range(2, 6)) + ", Atk. Spd. +" + std::to_string(rng.range(2, 8)) +
               "%, MP +" + std::to_string(rng.range(5, 40) * 5);
    return "M. Atk. +" + std::to_string(rng.range(4, 15)) + "%, Casting Spd. +" + std::to_string(rng.range(3, 10)) +
           "%, MP Regeneration +" + std::to_string(rng.range(5, 25)) + "%";
}

} // namespace

void buildSets(WorldState& w)
{
    Rng& rng = w.rng;
    const words::List* stems[] = {&words::kAdjectives, &words::kHabitats, &words::kMetals, &words::kWoods};
    for (int s = 0; s < w.count(80); ++s) {
        const SetKind& kind = setKinds()[size_t(s % 3)];
        const int grade = (s / 3) % kGrades;
        std::string stem, name;
        // A stem whose set name is still free; its pieces share the stem. Two-word stems once the
        // one-word ones run short.
        for (int attempt = 0;; ++attempt) {
            stem = rng.pick(*stems[rng.range(0, 3)]);
            if (attempt > 100)
                stem = rng.pick(words::kAdjectives) + " " + rng.pick(attempt % 2 ? words::kMetals : words::kWoods);
            if (stem.find('\'') != std::string::npos)
                continue;
            name = stem + " " + rng.pick(kind.suffixes);
            if (w.names.claim(name))
                break;
        }
        const int setId = s + 1;
        w.tables.sets->insert({setId, name, bonus(rng, kind.type), kind.type});
        std::vector<Piece> pieces = kind.pieces;
        if (std::string(kind.type) == "Heavy" && rng.chance(0.5))
            pieces.push_back({"Shields", IconKind::Shield, {"Shield", "Kite Shield"}});
        for (const Piece& piece : pieces) {
            const std::string pieceName =
                w.names.unique(rng, [&](Rng& r) { return stem + " " + r.pick(piece.nouns); });
            const bool shield = std::string(piece.part) == "Shields";
            const int item = addArmorPiece(w, pieceName, piece.part, piece.icon, shield ? "Shield" : kind.type, grade);
            w.tables.setitems->insert({setId, item});
        }
    }
}

} // namespace gen

// Quests with their fact rows, walkthrough text and the quest item each one hands out.
#include "tools/gendb/Words.h"
#include "tools/gendb/WorldState.h"

namespace gen {

void buildQuests(WorldState& w)
{
    Rng& rng = w.rng;
    const words::List races = {"All", "All", "All", "Human", "Sylvan", "Duskborn", "Orc", "Stoneborn"};
    const words::List classes = {"All", "All", "Fighter", "Mystic"};
    for (int q = 1; q <= w.count(300); ++q) {
        const std::string giver = rng.pick(words::kFirstNames);
        const std::string town = rng.pick(words::kTowns);
        const std::string name = w.names.unique(rng, [&](Rng& r) {
            switch (r.range(0, 3)) {
            case 0: return "The " + r.pick(words::kQuestAdjectives) + " " + r.pick(words::kQuestNouns);
            case 1: return r.pick(words::kQuestFoes) + " of " + r.pick(words::kPlaces);
            case 2: return r.pick(words::kQuestFoes) + " at the " + r.pick(words::kQuestNouns);
            default: return giver + "'s " + r.pick(words::kQuestAdjectives) + " " + r.pick(words::kQuestNouns);
            }
        });
        const int level = rng.range(1, 80);
        const std::string foe = rng.pick(words::kQuestFoes);
        const std::string thing = rng.pick(words::kQuestThings);
        w.tables.questnames->insert({q, name, giver + " in " + town + " needs help: " + foe + " have taken a " +
                                                  thing + " that must be brought back."});
        w.tables.quests->insert({q, std::to_string(level) + "-" + std::to_string(level + rng.range(3, 12)),
                                 rng.pick(races), rng.pick(classes), rng.chance(0.2) ? "Yes" : "No", town,
                                 level * level * rng.range(40, 90), level * rng.range(50, 400)});
        w.tables.questdetails->insert(
            {q, "1. Speak to " + giver + " in " + town + ".\r\n2. Hunt " + foe + " near " + rng.pick(words::kPlaces) +
                    " until you recover the " + thing + ".\r\n3. Return the " + thing + " to " + giver + "."});

        const std::string itemName = w.names.unique(rng, [&](Rng& r) {
            return r.chance(0.5) ? giver + "'s " + thing : r.pick(words::kFirstNames) + "'s " + r.pick(words::kQuestThings);
        });
        const int id = w.newItemId();
        w.tables.item({id, itemName, "Quest Item", "Paper", w.icon(IconKind::QuestItem, 6), 0, 0, false,
                       "Needed for the quest \"" + name + "\"."});
        w.trinkets.push_back(id);
    }
}

} // namespace gen

// Quests with their fact rows, walkthrough text and the quest item each one hands out. A few
// quests have no walkthrough yet and a few no fact row, as a half-finished database has.
#include "tools/gendb/Words.h"
#include "tools/gendb/WorldState.h"

namespace gen {

namespace {

std::string description(Rng& rng, const std::string& giver, const std::string& town, const std::string& foe,
                        const std::string& thing, const std::string& place)
{
    std::string text = giver + " in " + town + " needs help: " + foe + " have taken a " + thing +
                       " that must be brought back.";
    switch (rng.range(0, 3)) {
    case 0: return text + " The trail leads toward " + place + ".";
    case 1: return text + " They were last seen near " + place + ", and they do not travel alone.";
    case 2: return text + " " + giver + " promises a fair reward to whoever returns it unharmed.";
    default: return text;
    }
}

std::string walkthrough(Rng& rng, const std::string& giver, const std::string& town, const std::string& foe,
                        const std::string& thing, const std::string& place)
{
    std::vector<std::string> steps = {"Speak to " + giver + " in " + town + "."};
    if (rng.chance(0.4))
        steps.push_back("Ask " + rng.pick(words::kFirstNames) + " the " + rng.pick(words::kNpcTitles) + " in " +
                        rng.pick(words::kTowns) + " where the " + foe + " make camp.");
    steps.push_back("Hunt " + foe + " near " + place + " until you recover the " + thing + ".");
    if (rng.chance(0.3))
        steps.push_back("Take the " + thing + " to the shrine outside " + town + " to have it blessed.");
    steps.push_back("Return the " + thing + " to " + giver + ".");
    std::string text;
    for (size_t i = 0; i < steps.size(); ++i)
        text += (i ? "\r\n" : "") + std::to_string(i + 1) + ". " + steps[i];
    return text;
}

} // namespace

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
        const std::string place = rng.pick(words::kPlaces);
        w.tables.questnames->insert({q, name, description(rng, giver, town, foe, thing, place)});
        if (!rng.chance(0.04))
            w.tables.quests->insert({q, std::to_string(level) + "-" + std::to_string(level + rng.range(3, 12)),
                                     rng.pick(races), rng.pick(classes), rng.chance(0.2) ? "Yes" : "No", town,
                                     level * level * rng.range(40, 90), level * rng.range(50, 400)});
        if (!rng.chance(0.06))
            w.tables.questdetails->insert({q, walkthrough(rng, giver, town, foe, thing, place)});

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

// gen::generateWorld: the demo world, built in a fixed order so the random stream is always the same.
#include "tools/gendb/Generator.h"
#include "tools/gendb/WorldState.h"

#include <stdexcept>

namespace gen {

void generateWorld(const QString& dbPath, const QString& imagesDir, int scale)
{
    if (scale < 1 || scale > 1000)
        throw std::runtime_error("scale must be between 1 and 1000, not " + std::to_string(scale));
    DbWriter db(dbPath);
    IconLibrary icons;
    {
        GameTables tables(db);
        WorldState world(tables, scale);
        buildSets(world);
        buildEquipment(world);
        buildMiscItems(world);
        buildQuests(world);
        buildRecipes(world);
        buildCreatures(world);
        buildSkills(world);
        icons = world.icons;
    }
    db.finish();
    icons.write(imagesDir);
}

} // namespace gen

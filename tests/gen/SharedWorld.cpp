#include "tests/gen/SharedWorld.h"

#include "tests/gen/DbProbe.h"
#include "tools/gendb/Generator.h"

#include <QTemporaryDir>
#include <memory>

namespace shared_world {

namespace {
struct World {
    World()
    {
        gen::generateWorld(dir.filePath("gd.mdb"), dir.filePath("images"), 1);
        probe = std::make_unique<DbProbe>(dir.filePath("gd.mdb"));
    }
    QTemporaryDir dir;
    std::unique_ptr<DbProbe> probe;
};
World& world()
{
    static World w;
    return w;
}
} // namespace

QString folder() { return world().dir.path(); }
DbProbe& db() { return *world().probe; }

} // namespace shared_world

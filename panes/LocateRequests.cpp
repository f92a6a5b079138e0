#include "panes/LocateRequests.h"

#include "browse/DbGrid.h"
#include "browse/HandlerGuard.h"
#include "data/Dataset.h"
#include "panes/WindowPlace.h"

namespace {
bool consume(bool& pending, QString& id, Dataset& list, const QString& keyField)
{
    if (!pending)
        return false;
    // The request is cleared before locating, so that it is cleared even when locating fails.
    const QString wanted = id;
    pending = false;
    id.clear();
    return list.isOpen() && list.locate(keyField, wanted, CaseInsensitive | PartialKey);
}

void jumpOnDoubleClick(DbGrid& grid, NavigationHost& host, bool (*open)(NavigationHost&, Dataset&))
{
    QObject::connect(&grid, &DbGrid::dblClick, &grid, guardedSlot([&grid, &host, open] {
                         if (Dataset* source = grid.dataset())
                             open(host, *source);
                     }));
}
}

bool openMonster(NavigationHost& host, const QString& monsterId)
{
    if (monsterId.isEmpty())
        return false;
    host.MonsterLocatePending = true;
    host.MonsterLocateId = monsterId;
    host.openWindow(WindowKind::Monsters);
    return true;
}

bool openMonsterFrom(NavigationHost& host, Dataset& source)
{
    return openMonster(host, source.asText(QStringLiteral("id")));
}

bool openRecipe(NavigationHost& host, const QString& itemId, const QString& rate)
{
    if (itemId.isEmpty() || rate.isEmpty())
        return false;
    return openPlace(host, WindowKind::Recipes, {itemId, rate});
}

bool openRecipeFrom(NavigationHost& host, Dataset& source)
{
    return openRecipe(host, source.asText(QStringLiteral("item_id")), source.asText(QStringLiteral("rate")));
}

std::optional<WindowKind> itemWindowFor(const QString& type)
{
    if (type == QLatin1String("Weapon"))
        return WindowKind::Weapons;
    if (type == QLatin1String("Armor"))
        return WindowKind::Armor;
    if (type == QLatin1String("Accesories"))
        return WindowKind::Accessories;
    if (!type.isEmpty())
        return WindowKind::Items;
    return std::nullopt;
}

bool openItemFrom(NavigationHost& host, Dataset& source)
{
    const std::optional<WindowKind> kind = itemWindowFor(source.asText(QStringLiteral("type")));
    if (!kind)
        return false;
    host.ItemLocateId = source.asText(QStringLiteral("I.id"));
    host.ItemLocatePending = true;
    host.openWindow(*kind);
    return true;
}

void opensMonsterOnDoubleClick(DbGrid& grid, NavigationHost& host) { jumpOnDoubleClick(grid, host, openMonsterFrom); }

void opensItemOnDoubleClick(DbGrid& grid, NavigationHost& host) { jumpOnDoubleClick(grid, host, openItemFrom); }

void opensRecipeOnDoubleClick(DbGrid& grid, NavigationHost& host) { jumpOnDoubleClick(grid, host, openRecipeFrom); }

bool consumeItemRequest(NavigationHost& host, Dataset& list, const QString& keyField)
{
    return consume(host.ItemLocatePending, host.ItemLocateId, list, keyField);
}

bool consumeMonsterRequest(NavigationHost& host, Dataset& list, const QString& keyField)
{
    return consume(host.MonsterLocatePending, host.MonsterLocateId, list, keyField);
}

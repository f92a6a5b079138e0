#include "panes/LocateRequests.h"

#include "browse/DbGrid.h"
#include "browse/HandlerGuard.h"
#include "data/Dataset.h"

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

bool openMonsterFrom(NavigationHost& host, Dataset& source)
{
    const QString id = source.asText(QStringLiteral("id"));
    if (id.isEmpty())
        return false;
    host.MonsterLocatePending = true;
    host.MonsterLocateId = id;
    host.openWindow(WindowKind::Monsters);
    return true;
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

bool consumeItemRequest(NavigationHost& host, Dataset& list, const QString& keyField)
{
    return consume(host.ItemLocatePending, host.ItemLocateId, list, keyField);
}

bool consumeMonsterRequest(NavigationHost& host, Dataset& list, const QString& keyField)
{
    return consume(host.MonsterLocatePending, host.MonsterLocateId, list, keyField);
}

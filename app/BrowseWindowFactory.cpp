#include "app/BrowseWindowFactory.h"

#include "data/DBModule.h"
#include "windows/Accesories.h"
#include "windows/Armor.h"
#include "windows/DbMaintain.h"
#include "windows/Items.h"
#include "windows/Monsters.h"
#include "windows/Quest.h"
#include "windows/Recipes.h"
#include "windows/Sets.h"
#include "windows/Skils.h"
#include "windows/Weapons.h"

#include <QWidget>

QWidget* createBrowseWindow(WindowKind kind, NavigationHost& host)
{
    if (!DBModule)
        return nullptr;
    TDBModule& db = *DBModule;
    switch (kind) {
    case WindowKind::Weapons:
        return new TWeaponForm(host, db);
    case WindowKind::Armor:
        return new TArmorForm(host, db);
    case WindowKind::Sets:
        return new TSetsForm(host, db);
    case WindowKind::Accessories:
        return new TAcsForm(host, db);
    case WindowKind::Items:
        return new TItemsForm(host, db);
    case WindowKind::Monsters:
        return new TMonstersForm(host, db);
    case WindowKind::Skills:
        return new TSkilsForm(host, db);
    case WindowKind::Quests:
        return new TQuestForm(host, db);
    case WindowKind::Recipes:
        return new TRecipesForm(host, db);
    case WindowKind::DbMaintain:
        return new TDbMaintainForm(host, db);
        break;
    }
    return nullptr;
}

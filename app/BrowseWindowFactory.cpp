#include "BrowseWindowFactory.h"

#include "DBModule.h"

#include <QWidget>

// Each window unit joins the build when its header is present.
#if __has_include("Weapons.h")
#include "Weapons.h"
#define TAVRIN_HAS_WEAPONS 1
#endif
#if __has_include("Armor.h")
#include "Armor.h"
#define TAVRIN_HAS_ARMOR 1
#endif
#if __has_include("Sets.h")
#include "Sets.h"
#define TAVRIN_HAS_SETS 1
#endif
#if __has_include("Accesories.h")
#include "Accesories.h"
#define TAVRIN_HAS_ACS 1
#endif
#if __has_include("Items.h")
#include "Items.h"
#define TAVRIN_HAS_ITEMS 1
#endif
#if __has_include("Recipes.h")
#include "Recipes.h"
#define TAVRIN_HAS_RECIPES 1
#endif
#if __has_include("Monsters.h")
#include "Monsters.h"
#define TAVRIN_HAS_MONSTERS 1
#endif
#if __has_include("Skils.h")
#include "Skils.h"
#define TAVRIN_HAS_SKILS 1
#endif
#if __has_include("Quest.h")
#include "Quest.h"
#define TAVRIN_HAS_QUEST 1
#endif
#if __has_include("Dbmaintain.h")
#include "Dbmaintain.h"
#define TAVRIN_HAS_DBMAINTAIN 1
#endif

QWidget* createBrowseWindow(WindowKind kind, NavigationHost& host)
{
    if (!DBModule)
        return nullptr;
    [[maybe_unused]] TDBModule& db = *DBModule;
    [[maybe_unused]] NavigationHost& h = host;
    switch (kind) {
    case WindowKind::Weapons:
#ifdef TAVRIN_HAS_WEAPONS
        return new TWeaponForm(h, db);
#endif
        break;
    case WindowKind::Armor:
#ifdef TAVRIN_HAS_ARMOR
        return new TArmorForm(h, db);
#endif
        break;
    case WindowKind::Sets:
#ifdef TAVRIN_HAS_SETS
        return new TSetsForm(h, db);
#endif
        break;
    case WindowKind::Accessories:
#ifdef TAVRIN_HAS_ACS
        return new TAcsForm(h, db);
#endif
        break;
    case WindowKind::Items:
#ifdef TAVRIN_HAS_ITEMS
        return new TItemsForm(h, db);
#endif
        break;
    case WindowKind::Recipes:
#ifdef TAVRIN_HAS_RECIPES
        return new TRecipesForm(h, db);
#endif
        break;
    case WindowKind::Monsters:
#ifdef TAVRIN_HAS_MONSTERS
        return new TMonstersForm(h, db);
#endif
        break;
    case WindowKind::Skills:
#ifdef TAVRIN_HAS_SKILS
        return new TSkilsForm(h, db);
#endif
        break;
    case WindowKind::Quests:
#ifdef TAVRIN_HAS_QUEST
        return new TQuestForm(h, db);
#endif
        break;
    case WindowKind::DbMaintain:
#ifdef TAVRIN_HAS_DBMAINTAIN
        return new TDbMaintainForm(h, db);
#endif
        break;
    }
    return nullptr;
}

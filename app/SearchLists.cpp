#include "app/SearchLists.h"

#include "windows/AccesoriesStatements.h"
#include "windows/ArmorStatements.h"
#include "windows/ItemsStatements.h"
#include "windows/MonstersStatements.h"
#include "windows/QuestStatements.h"
#include "windows/RecipesStatements.h"
#include "windows/SetsStatements.h"
#include "windows/SkilsStatements.h"
#include "windows/WeaponsStatements.h"

namespace {
const QString kId = QStringLiteral("id");
const QString kName = QStringLiteral("name");
const QString kIcon = QStringLiteral("icon");

SearchList list(WindowKind kind, const QString& statement, const QStringList& keys, const QString& name)
{
    SearchList l;
    l.kind = uint8_t(kind);
    l.statement = statement;
    l.keyFields = keys;
    l.nameField = name;
    return l;
}

// An item window's list: keyed by id, its grade (or kind) beside the name, its picture.
SearchList itemList(WindowKind kind, const QString& statement, const QString& name, const QString& detail,
                    const QString& format)
{
    SearchList l = list(kind, statement, {kId}, name);
    l.detailField = detail;
    l.detailFormat = format;
    // The grade of ungraded equipment reads "none".
    l.noDetail = QStringLiteral("none");
    l.iconField = kIcon;
    return l;
}
} // namespace

QVector<SearchList> searchLists()
{
    const QString grade = QStringLiteral("crystal_type");
    const QString gradeFormat = QStringLiteral("Grade %1");
    QVector<SearchList> lists{
        itemList(WindowKind::Weapons, weaponsSql(), kName, grade, gradeFormat),
        itemList(WindowKind::Armor, armorSql(), kName, grade, gradeFormat),
        itemList(WindowKind::Accessories, accessoriesSql(), kName, grade, gradeFormat),
        itemList(WindowKind::Items, miscItemsSql(), QStringLiteral("N.name"), QStringLiteral("type"),
                 QStringLiteral("%1")),
    };

    // The list the monsters window opens with: every monster, by its shown and its own name.
    SearchList monsters = list(WindowKind::Monsters, monsterListLines().join(QLatin1Char('\n')),
                               {QStringLiteral("M.id")}, QStringLiteral("name_lang"));
    monsters.otherNameField = kName;
    monsters.detailField = QStringLiteral("level");
    monsters.detailFormat = QStringLiteral("Lv %1");
    lists.append(monsters);

    SearchList sets = list(WindowKind::Sets, QString(), {kId}, kName);
    sets.table = setsTable();
    sets.detailField = QStringLiteral("type");
    lists.append(sets);

    SearchList recipes = list(WindowKind::Recipes, recipeSearchSql(),
                              {QStringLiteral("item_id"), QStringLiteral("rate")}, kName);
    recipes.detailField = QStringLiteral("rate");
    recipes.detailFormat = QStringLiteral("Rate %1%");
    recipes.iconField = kIcon;
    lists.append(recipes);

    SearchList quests = list(WindowKind::Quests, QString(), {kId}, kName);
    quests.table = questListTable();
    lists.append(quests);

    // One hit per skill: its name and picture at its lowest level; the skills window finds the
    // first node that learns it.
    SearchList skills = list(WindowKind::Skills, skillSearchSql(), {QString(), QStringLiteral("skill_id"), QString()},
                             kName);
    skills.iconField = kIcon;
    skills.onePerKey = true;
    lists.append(skills);
    return lists;
}

QString searchKindCaption(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Weapons: return QStringLiteral("Weapons");
    case WindowKind::Armor: return QStringLiteral("Armor");
    case WindowKind::Sets: return QStringLiteral("Sets");
    case WindowKind::Accessories: return QStringLiteral("Accesories");
    case WindowKind::Items: return QStringLiteral("Misc Items");
    case WindowKind::Recipes: return QStringLiteral("Recipes");
    case WindowKind::Monsters: return QStringLiteral("Monsters");
    case WindowKind::Skills: return QStringLiteral("Skils");
    case WindowKind::Quests: return QStringLiteral("Quests");
    case WindowKind::DbMaintain: break;
    }
    return QString();
}

int searchKindPicture(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Weapons: return 8;
    case WindowKind::Armor: return 1;
    case WindowKind::Sets: return 5;
    case WindowKind::Accessories: return 0;
    case WindowKind::Items: return 2;
    case WindowKind::Recipes: return 4;
    case WindowKind::Monsters: return 3;
    case WindowKind::Skills: return 6;
    case WindowKind::Quests: return 9;
    case WindowKind::DbMaintain: break;
    }
    return -1;
}

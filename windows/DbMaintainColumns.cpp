#include "windows/DbMaintainColumns.h"

#include "browse/UiFont.h"

#include <QFontMetrics>

#include <algorithm>

namespace dbmaintain {

namespace {

// A column without a width of its own is as wide as the field's default and its title.
int fitted(const QString& title)
{
    return std::max(kDefaultColumnWidth, QFontMetrics(uiFont(kTahoma, 13, true)).horizontalAdvance(title) + 10);
}

GridColumn column(const char* field, const char* title, int width = 0)
{
    const QString caption = QString::fromLatin1(title);
    return gridColumn(QString::fromLatin1(field), caption, width > 0 ? width : fitted(caption));
}

GridColumn leftTitled(GridColumn c)
{
    c.titleAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    return c;
}

GridColumn withFont(GridColumn c, const QFont& font)
{
    c.font = font;
    return c;
}

} // namespace

QVector<GridColumn> itemNameColumns()
{
    return {column("id", "ID", 50), column("name", "Item Name", 250),
            withFont(column("description", "Description", 700), uiFont(kSansSerif, 11))};
}

QVector<GridColumn> itemColumns()
{
    // Text columns of 16 characters take the width those show.
    return {leftTitled(column("id", "ID", 50)), column("name", "Name", 200),   column("material_type", "Material Type", 110),
            column("type", "Type", 100),         column("weight", "Weight"),   column("price", "Price"),
            column("icon", "Icon", 300)};
}

QVector<GridColumn> weaponColumns()
{
    return {column("id", "Item ID", 60),         column("weapon_type", "Type", 100), column("crystal_type", "Class", 40),
            column("crystal_count", "Nr. Crystal"), column("hands", "Hands", 50),    column("physical_damage", "P-Atack", 60),
            column("magical_damage", "M-Atack", 60), column("attack_speed", "Speed", 50), column("soulshot_count", "SS", 50),
            column("spiritshot_count", "SPS", 50)};
}

QVector<GridColumn> setColumns()
{
    return {leftTitled(column("id", "ID", 50)), withFont(column("name", "Set Name", 200), uiFont(kTahoma, 12, true)),
            withFont(column("bonus", "Set Bonus", 600), uiFont(kSansSerif, 13)), column("type", "Type", 60)};
}

QVector<GridColumn> setPieceColumns()
{
    return {column("set_id", "Set ID", 50), column("item_id", "Item Id", 160)};
}

QVector<GridColumn> monsterNameColumns()
{
    return {column("id", "ID", 50), column("name", "Monster Name", 250), column("title", "Monster Title", 200)};
}

QVector<GridColumn> monsterColumns()
{
    return {column("id", "ID", 50),           column("name", "NPC Name", 200),       column("level", "Level", 45),
            column("hp", "HP", 50),           column("exp", "EXP", 50),              column("sp", "SP", 50),
            column("aggro", "Agro", 50),      column("attack_range", "Atk Range", 70), column("phys_attack", "P-Atack", 70),
            column("magic_attack", "M-Atack", 70), column("phys_def", "P-Def", 60),  column("magic_def", "M-Def", 60),
            column("mp", "MP", 60),           leftTitled(column("attack_speed", "Atk Speed", 70))};
}

QVector<GridColumn> dropColumns()
{
    return {column("npc_id", "ID", 50),
            column("item_id", "Item Id", 200),
            leftTitled(column("min", "Minimal Drop")),
            leftTitled(column("max", "Maximal Drop")),
            column("percentage", "Chance"),
            leftTitled(column("sweep", "Over Spoil?"))};
}

} // namespace dbmaintain

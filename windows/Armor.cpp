#include "Armor.h"

#include "ArmorListSql.h"
#include "DBModule.h"
#include "ItemCatalog.h"
#include "UiFont.h"

namespace {
ItemCatalogDefinition armorDefinition(const QString& exeFolder)
{
    const QFont plain = uiFont(kSansSerif, 13);
    ItemCatalogDefinition d;
    d.listName = QStringLiteral("QueryArmor");
    d.listSql = TArmorForm::armorSql();
    d.typeName = QStringLiteral("ArmorTypeQuery");
    d.typeSql = TArmorForm::armorTypeSql();
    // The list is labelled "Armor type", yet its entries are body parts.
    d.typeField = QStringLiteral("name");
    d.typePrefix = QStringLiteral("body_part = ");
    d.keyField = QStringLiteral("name");

    ItemCatalogOptions& o = d.layout;
    o.caption = QStringLiteral("Armor");
    o.designSize = QSize(748, 479);
    o.typeBar = {QStringLiteral("Armor type"), 0, 145, uiFont(kTahoma, 13), false};
    o.listTab = QStringLiteral("Items");
    o.listColumns = {
        gridColumn(QStringLiteral("icon"), QString(), 40),
        gridColumn(QStringLiteral("name"), QStringLiteral("Name"), 240, uiFont(kTahoma, 13, true)),
        gridColumn(QStringLiteral("physical_defense"), QStringLiteral("P-Def"), 50, plain),
        gridColumn(QStringLiteral("mp_bonus"), QStringLiteral("MP"), 50, plain),
        gridColumn(QStringLiteral("armor_type"), QStringLiteral("Type"), 60, plain, Qt::AlignHCenter),
        gridColumn(QStringLiteral("crystal_type"), QStringLiteral("Class"), 45, uiFont(kSansSerif, 13, true),
                   Qt::AlignHCenter),
        gridColumn(QStringLiteral("crystal_count"), QStringLiteral("Cristals"), 60, plain, Qt::AlignHCenter),
        gridColumn(QStringLiteral("weight"), QStringLiteral("Weight"), 60, plain, Qt::AlignHCenter),
        gridColumn(QStringLiteral("price"), QStringLiteral("Price"), 60, plain),
    };
    o.listBaseFont = uiFont(kTahoma, 27);
    o.listHint = QStringLiteral("Dbl-click to view drop info");
    o.listStripFont = uiFont(kTahoma, 13, true);
    o.listStripColor = Qt::red;
    o.sourceStripFont = uiFont(kTahoma, 13, true);
    o.ingredients.rowSelect = false;
    o.ingredients.resizableColumns = true;
    o.ingredients.exeFolder = exeFolder;
    return d;
}
}

TArmorForm::TArmorForm(NavigationHost& host, TDBModule& db, QWidget* parent, const QString& exeFolder)
    : QWidget(parent), m_catalog(new ItemCatalog(host, db.ADOConnection1, armorDefinition(exeFolder), *this))
{
    setObjectName(QStringLiteral("ArmorForm"));
    m_catalog->open();
    FormCreate();
}

QString TArmorForm::armorSql()
{
    return armorListSql({QStringLiteral("Upper Body"), QStringLiteral("Lower Body"), QStringLiteral("Full Body"),
                         QStringLiteral("Boots"), QStringLiteral("Helmets"), QStringLiteral("Gloves"),
                         QStringLiteral("Cloack"), QStringLiteral("Underwear"), QStringLiteral("Shields")},
                        QStringLiteral("A.armor_type, A.physical_defense, A.magical_defense"));
}

QString TArmorForm::armorTypeSql() { return QStringLiteral("select * from armor_type order by name;"); }

// --- handlers ------------------------------------------------------------------------------------

void TArmorForm::FormCreate() { m_catalog->formCreate(); }

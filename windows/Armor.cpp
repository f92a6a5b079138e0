#include "windows/Armor.h"

#include "browse/UiFont.h"
#include "data/DBModule.h"
#include "panes/ItemCatalog.h"
#include "windows/ArmorStatements.h"

namespace {
ItemCatalogDefinition armorDefinition(const QString& exeFolder)
{
    const QFont plain = uiFont(kSansSerif, 13);
    // The list is labelled "Armor type", yet its entries are body parts.
    ItemCatalogDefinition d(WindowKind::Armor, QStringLiteral("QueryArmor"), armorSql(),
                            QStringLiteral("ArmorTypeQuery"), armorTypesSql(), QStringLiteral("body_part = "));
    d.layout =
        ItemCatalogOptions(QStringLiteral("Armor"), QSize(748, 479), QStringLiteral("Armor type"), exeFolder);
    ItemCatalogOptions& o = d.layout;
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
    o.listStripColor = Qt::red;
    return d;
}
} // namespace

TArmorForm::TArmorForm(NavigationHost& host, TDBModule& db, QWidget* parent, const QString& exeFolder)
    : QWidget(parent), m_catalog(new ItemCatalog(host, db.ADOConnection1, armorDefinition(exeFolder), *this))
{
    setObjectName(QStringLiteral("ArmorForm"));
    m_catalog->open();
    FormCreate();
}

// --- handlers ------------------------------------------------------------------------------------

void TArmorForm::FormCreate() { m_catalog->formCreate(); }

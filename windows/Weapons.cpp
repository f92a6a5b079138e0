#include "windows/Weapons.h"

#include "browse/UiFont.h"
#include "data/DBModule.h"
#include "panes/ItemCatalog.h"
#include "windows/WeaponsStatements.h"

namespace {
ItemCatalogDefinition weaponsDefinition(const QString& exeFolder)
{
    const QFont plain = uiFont(kSansSerif, 13);
    ItemCatalogDefinition d(WindowKind::Weapons, QStringLiteral("QueryWeapons"), weaponsSql(),
                            QStringLiteral("QueryType"), weaponTypesSql(), QStringLiteral("weapon_type = "));
    d.typeField = QStringLiteral("weapon_type");
    d.ingredientSpoilsFirst = true;
    d.layout =
        ItemCatalogOptions(QStringLiteral("Weapons"), QSize(796, 518), QStringLiteral("Weapon Type"), exeFolder);
    ItemCatalogOptions& o = d.layout;
    o.typeBar.labelWidth = 88;
    o.typeBar.listWidth = 158;
    o.typeBar.listFont = plain;
    o.typeBar.dropDownRightAligned = true;
    o.typeBar.findBar.separators = FindBarOptions::LeadingLine;
    o.listColumns = {
        gridColumn(QStringLiteral("icon"), QStringLiteral("Icon"), 40),
        gridColumn(QStringLiteral("name"), QStringLiteral("Name"), 240, uiFont(kTahoma, 13, true)),
        gridColumn(QStringLiteral("crystal_type"), QStringLiteral("Class"), 45, uiFont(kSansSerif, 13, true),
                   Qt::AlignHCenter),
        gridColumn(QStringLiteral("crystal_count"), QStringLiteral("Crystals"), 60, plain, Qt::AlignHCenter),
        gridColumn(QStringLiteral("physical_damage"), QStringLiteral("P-Atack"), 65, plain),
        gridColumn(QStringLiteral("magical_damage"), QStringLiteral("M-Atack"), 65, plain),
        gridColumn(QStringLiteral("hands"), QStringLiteral("Hands"), 50, plain, Qt::AlignRight),
        gridColumn(QStringLiteral("soulshot_count"), QStringLiteral("SS"), 35, plain),
        gridColumn(QStringLiteral("spiritshot_count"), QStringLiteral("SPS"), 35, plain),
        gridColumn(QStringLiteral("attack_speed"), QStringLiteral("Speed"), 50, plain),
        gridColumn(QStringLiteral("weight"), QStringLiteral("Weight"), 55, plain),
        gridColumn(QStringLiteral("price"), QStringLiteral("Price"), kDefaultColumnWidth, plain),
    };
    o.listBaseFont = uiFont(kSansSerif, 27);
    o.listStripFont = uiFont(kTahoma, 12, true);
    o.sourceStripFont = uiFont(kTahoma, 12, true);
    return d;
}
} // namespace

TWeaponForm::TWeaponForm(NavigationHost& host, TDBModule& db, QWidget* parent, const QString& exeFolder)
    : QWidget(parent), m_catalog(new ItemCatalog(host, db.ADOConnection1, weaponsDefinition(exeFolder), *this))
{
    setObjectName(QStringLiteral("WeaponForm"));
    m_catalog->open();
    FormCreate();
}

// --- handlers ------------------------------------------------------------------------------------

void TWeaponForm::FormCreate() { m_catalog->formCreate(); }

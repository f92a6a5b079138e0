#include "windows/Accesories.h"

#include "browse/UiFont.h"
#include "data/DBModule.h"
#include "panes/ItemCatalog.h"
#include "windows/AccesoriesStatements.h"

namespace {
ItemCatalogDefinition acsDefinition(const QString& exeFolder)
{
    const QFont plain = uiFont(kSansSerif, 13);
    ItemCatalogDefinition d(WindowKind::Accessories, QStringLiteral("QueryAcs"), accessoriesSql(),
                            QStringLiteral("AcsTypeQuery"), accessoryTypesSql(), QStringLiteral("body_part = "));
    d.layout = ItemCatalogOptions(QStringLiteral("Accesories"), QSize(809, 599), QStringLiteral("Accesories type"),
                                  exeFolder);
    ItemCatalogOptions& o = d.layout;
    o.listTab = QStringLiteral("Item");
    // The armor type orders the list but has no column.
    o.listColumns = {
        gridColumn(QStringLiteral("icon"), QString(), 40),
        gridColumn(QStringLiteral("name"), QStringLiteral("Name"), 240, uiFont(kTahoma, 13, true)),
        gridColumn(QStringLiteral("crystal_type"), QStringLiteral("Class"), 45, uiFont(kSansSerif, 13, true),
                   Qt::AlignHCenter),
        gridColumn(QStringLiteral("crystal_count"), QStringLiteral("Cristals"), 60, plain, Qt::AlignHCenter),
        gridColumn(QStringLiteral("magical_defense"), QStringLiteral("M-Def"), 50, plain),
        gridColumn(QStringLiteral("weight"), QStringLiteral("Weight"), 60, plain, Qt::AlignHCenter),
        gridColumn(QStringLiteral("price"), QStringLiteral("Price"), 60, plain),
    };
    // Unlike the other item windows: whole-row selection, fixed columns, every title centred.
    o.ingredients.rowSelect = true;
    o.ingredients.resizableColumns = false;
    o.ingredients.quantityTitleCentred = true;
    return d;
}
} // namespace

TAcsForm::TAcsForm(NavigationHost& host, TDBModule& db, QWidget* parent, const QString& exeFolder)
    : QWidget(parent), m_catalog(new ItemCatalog(host, db.ADOConnection1, acsDefinition(exeFolder), *this))
{
    setObjectName(QStringLiteral("AcsForm"));
    m_catalog->open();
    FormCreate();
}

// --- handlers ------------------------------------------------------------------------------------

void TAcsForm::FormCreate() { m_catalog->formCreate(); }

#include "windows/Items.h"

#include "browse/UiFont.h"
#include "data/DBModule.h"
#include "panes/ItemCatalog.h"
#include "windows/ItemsStatements.h"

namespace {
// The grid's default width is the wider of the title and the value; here the title is wider.
constexpr int kStackableWidth = 75;

ItemCatalogDefinition itemsDefinition(const QString& exeFolder)
{
    const QFont plain = uiFont(kSansSerif, 13);
    ItemCatalogDefinition d(WindowKind::Items, QStringLiteral("QueryItems"), miscItemsSql(),
                            QStringLiteral("EtcitemTypeQuery"), itemCategoriesSql(),
                            QStringLiteral("type = "));
    d.typeField = QStringLiteral("type");
    // items and itemnames both have a name: the display name comes back as N.name.
    d.keyField = QStringLiteral("N.name");
    d.nameField = QStringLiteral("N.name");
    d.sources = ItemDetailPanes::ItemDropsAndSpoils;
    d.layout =
        ItemCatalogOptions(QStringLiteral("Items"), QSize(696, 501), QStringLiteral("Item Category"), exeFolder);
    ItemCatalogOptions& o = d.layout;
    o.listColumns = {
        gridColumn(QStringLiteral("icon"), QString(), 40),
        gridColumn(QStringLiteral("N.name"), QStringLiteral("Name"), 270, uiFont(kTahoma, 13, true)),
        gridColumn(QStringLiteral("description"), QStringLiteral("Description"), 490, uiFont(kSansSerif, 11)),
        gridColumn(QStringLiteral("weight"), QStringLiteral("Weight"), 60, plain, Qt::AlignHCenter),
        gridColumn(QStringLiteral("price"), QStringLiteral("Price"), 60, plain),
        gridColumn(QStringLiteral("stackable"), QStringLiteral("Stackable"), kStackableWidth,
                   uiFont(kTahoma, 13), Qt::AlignHCenter),
    };
    o.listHint = QStringLiteral("Dbl-click to view drop/spoil info");
    o.listStrip = false;
    o.listTitleFont = uiFont(kTahoma, 13, true);
    o.sourceStripFont = uiFont(kSansSerif, 13, true);
    o.ingredients.quantityTitleCentred = true;
    o.ingredients.spoilChanceWidth = kDefaultColumnWidth;
    return d;
}
} // namespace

TItemsForm::TItemsForm(NavigationHost& host, TDBModule& db, QWidget* parent, const QString& exeFolder)
    : QWidget(parent), m_catalog(new ItemCatalog(host, db.ADOConnection1, itemsDefinition(exeFolder), *this))
{
    setObjectName(QStringLiteral("ItemsForm"));
    m_catalog->open();
    FormCreate();
}

// --- handlers ------------------------------------------------------------------------------------

void TItemsForm::FormCreate() { m_catalog->formCreate(); }

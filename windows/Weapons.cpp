#include "windows/Weapons.h"

#include "browse/DbGrid.h"
#include "browse/DbLookupComboBox.h"
#include "browse/DbNavigator.h"
#include "browse/HandlerGuard.h"
#include "browse/HeaderStrip.h"
#include "browse/NameSearch.h"
#include "browse/UiFont.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "panes/IngredientsPage.h"
#include "panes/ItemDetailPanes.h"
#include "panes/LocateRequests.h"
#include "panes/MonsterPane.h"
#include "panes/NavigationHost.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const QString kKeyField = QStringLiteral("name");
const QString kTypePrefix = QStringLiteral("weapon_type = ");

QWidget* gap(int width, QWidget* parent)
{
    auto* spacer = new QWidget(parent);
    spacer->setFixedWidth(width);
    return spacer;
}

QLabel* toolLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(uiFont(kTahoma, 13, true));
    return label;
}

QWidget* page(QWidget* parent, std::initializer_list<QWidget*> children)
{
    auto* sheet = new QWidget(parent);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The last child (the grid) takes the page's height.
    int remaining = int(children.size());
    for (QWidget* child : children)
        layout->addWidget(child, --remaining == 0 ? 1 : 0);
    return sheet;
}

QVector<GridColumn> weaponColumns()
{
    const QFont plain = uiFont(kSansSerif, 13);
    const QFont bold = uiFont(kSansSerif, 13, true);
    return {
        gridColumn(QStringLiteral("icon"), QStringLiteral("Icon"), 40),
        gridColumn(QStringLiteral("name"), QStringLiteral("Name"), 240, uiFont(kTahoma, 13, true)),
        gridColumn(QStringLiteral("crystal_type"), QStringLiteral("Class"), 45, bold, Qt::AlignHCenter),
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
}
}

TWeaponForm::TWeaponForm(NavigationHost& host, TDBModule& db, QWidget* parent, const QString& exeFolder)
    : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("WeaponForm"));
    setWindowTitle(QStringLiteral("Weapons"));
    setFont(uiFont(kSansSerif, 11));
    resize(796, 518);

    m_weapons = new Dataset(db.ADOConnection1, this);
    m_weapons->setObjectName(QStringLiteral("QueryWeapons"));
    m_weapons->setSql(weaponsSql());
    m_types = new Dataset(db.ADOConnection1, this);
    m_types->setObjectName(QStringLiteral("QueryType"));
    m_types->setSql(typeSql());
    m_panes = new ItemDetailPanes(db.ADOConnection1, ItemDetailPanes::ItemDropsOnly, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBars();
    buildPages(exeFolder);
    layout->addWidget(m_typeBar);
    layout->addWidget(m_findBar);
    layout->addWidget(m_pages, 1);

    connectHandlers();
    openQueries();
    FormCreate();
}

TWeaponForm::~TWeaponForm()
{
    // The grids go first, so no view asks a dataset for cells while it is being destroyed.
    delete m_pages;
    m_weapons->setAfterScroll({});
    m_panes->ingredients().setAfterScroll({});
}

QString TWeaponForm::weaponsSql()
{
    return QStringList{
        QStringLiteral("SELECT weapons.crystal_type, weapons.weapon_type, weapons.crystal_count,"),
        QStringLiteral("weapons.hands, weapons.physical_damage, weapons.magical_damage, weapons.soulshot_count,"),
        QStringLiteral("weapons.spiritshot_count, weapons.attack_speed, weapons.mp_consume,"),
        QStringLiteral("items.weight, items.price, items.id, items.icon, itemnames.name, itemnames.description"),
        QStringLiteral("FROM weapons, items, itemnames"),
        QStringLiteral("WHERE  items.icon NOT LIKE '%pet%'"),
        QStringLiteral("AND weapons.weapon_type NOT LIKE 'Shields'"),
        QStringLiteral("AND items.id = weapons.id"),
        QStringLiteral("AND itemnames.id  = items.id"),
        QStringLiteral("ORDER BY weapons.hands, weapons.physical_damage"),
    }.join(QLatin1Char('\n'));
}

QString TWeaponForm::typeSql()
{
    return QStringLiteral("SELECT DISTINCT(weapons.weapon_type) FROM weapons WHERE weapons.weapon_type NOT LIKE "
                          "'Shields' ORDER BY weapons.weapon_type");
}

void TWeaponForm::buildToolBars()
{
    m_typeBar = new QToolBar(this);
    m_typeBar->setObjectName(QStringLiteral("ToolBar1"));
    m_typeBar->setFixedHeight(29);
    m_typeBar->setMovable(false);
    m_typeBar->addWidget(gap(8, m_typeBar));
    QLabel* typeLabel = toolLabel(QStringLiteral("Weapon Type"), m_typeBar);
    typeLabel->setMinimumWidth(88);
    m_typeBar->addWidget(typeLabel);
    m_typeBar->addSeparator();
    m_typeList = new DbLookupComboBox(m_typeBar);
    m_typeList->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_typeList->setFixedWidth(158);
    m_typeList->setMinimumHeight(24);
    m_typeList->setFont(uiFont(kSansSerif, 13));
    m_typeList->setDropDownRightAligned(true);
    m_typeBar->addWidget(m_typeList);
    m_typeBar->addSeparator();
    m_navigator = new DbNavigator(m_typeBar);
    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    m_typeBar->addWidget(m_navigator);

    m_findBar = new QToolBar(this);
    m_findBar->setObjectName(QStringLiteral("ToolBar2"));
    m_findBar->setFixedHeight(31);
    m_findBar->setMovable(false);
    m_findBar->addSeparator();
    m_findBar->addWidget(toolLabel(QStringLiteral("Quick Find"), m_findBar));
    m_findBar->addSeparator();
    m_search = new QLineEdit(m_findBar);
    m_search->setObjectName(QStringLiteral("Edit1"));
    m_search->setFixedWidth(183);
    m_search->setMinimumHeight(24);
    m_search->setFont(uiFont(kTahoma, 13));
    m_findBar->addWidget(m_search);
    m_findBar->addSeparator();
    m_clear = new QPushButton(QStringLiteral("clear"), m_findBar);
    m_clear->setObjectName(QStringLiteral("Button1"));
    m_clear->setToolTip(QStringLiteral("Clear field"));
    m_clear->setStatusTip(QStringLiteral("Clear field"));
    m_clear->setFixedSize(43, 24);
    m_clear->setFont(uiFont(kSansSerif, 13));
    m_findBar->addWidget(m_clear);
}

void TWeaponForm::buildPages(const QString& exeFolder)
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->tabBar()->setFont(uiFont(kSansSerif, 13, true));
    const QFont stripFont = uiFont(kTahoma, 12, true);

    m_weaponStrip = new HeaderStrip;
    m_weaponStrip->setObjectName(QStringLiteral("HeaderControl1"));
    m_weaponStrip->setFont(stripFont);
    m_weaponGrid = new DbGrid;
    m_weaponGrid->setObjectName(QStringLiteral("DBGrid1"));
    m_weaponGrid->setFont(uiFont(kSansSerif, 13));
    m_weaponGrid->setBaseFont(uiFont(kSansSerif, 27));
    m_weaponGrid->setTitleRow(false);
    m_weaponGrid->setRowSelect(true);
    m_weaponGrid->setHint(QStringLiteral("Dbl-click to view drop info"));
    m_weaponGrid->setColumns(weaponColumns());
    m_weaponGrid->setIconColumn(0, exeFolder);
    m_weaponGrid->setDataset(*m_weapons);
    m_weaponStrip->setGrid(m_weaponGrid, HeaderStrip::IgnoreIconSection);
    QWidget* items = page(m_pages, {m_weaponStrip, m_weaponGrid});
    items->setObjectName(QStringLiteral("TabSheet1"));
    m_pages->addTab(items, QStringLiteral("Items"));

    m_dropStrip = new HeaderStrip;
    m_dropStrip->setObjectName(QStringLiteral("HeaderControl2"));
    m_dropStrip->setFont(stripFont);
    m_dropGrid = new DbGrid;
    m_dropGrid->setObjectName(QStringLiteral("DBGrid5"));
    setUpMonsterPane(*m_dropGrid, m_panes->itemDrops(), monsterPaneColumns(true, 60));
    m_dropStrip->setGrid(m_dropGrid);
    QWidget* drops = page(m_pages, {m_dropStrip, m_dropGrid});
    drops->setObjectName(QStringLiteral("TabSheet2"));
    m_pages->addTab(drops, QStringLiteral("Drop Info"));

    IngredientsPageOptions options;
    options.rowSelect = false;
    options.resizableColumns = true;
    options.spoilChanceWidth = 60;
    options.exeFolder = exeFolder;
    m_ingredients = new IngredientsPage(*m_panes, options, m_pages);
    m_ingredients->setObjectName(QStringLiteral("TabSheet3"));
    m_ingredients->ingredientGrid()->setObjectName(QStringLiteral("DBGrid2"));
    m_ingredients->dropGrid()->setObjectName(QStringLiteral("DBGrid3"));
    m_ingredients->spoilGrid()->setObjectName(QStringLiteral("DBGrid4"));
    m_ingredients->dropStrip()->setObjectName(QStringLiteral("HeaderControl3"));
    m_ingredients->spoilStrip()->setObjectName(QStringLiteral("HeaderControl4"));
    m_ingredients->toolBar()->setObjectName(QStringLiteral("ToolBar3"));
    m_pages->addTab(m_ingredients, QStringLiteral("Ingredients"));
    m_pages->setCurrentIndex(0);
}

void TWeaponForm::connectHandlers()
{
    m_weapons->setAfterScroll([this] { QueryWeaponsAfterScroll(); });
    m_panes->ingredients().setAfterScroll([this] { ReciepeQueryAfterScroll(); });
    connect(m_typeList, &DbLookupComboBox::picked, this, guardedSlot([this] { DBLookupComboBox1Click(); }));
    connect(m_search, &QLineEdit::textChanged, this, guardedSlot([this] { Edit1Change(); }));
    connect(m_clear, &QPushButton::clicked, this, guardedSlot([this] { Button1Click(); }));
    connect(m_weaponGrid, &DbGrid::dblClick, this, guardedSlot([this] { DBGrid1DblClick(); }));
    opensMonsterOnDoubleClick(*m_dropGrid, m_host);
    opensMonsterOnDoubleClick(*m_ingredients->dropGrid(), m_host);
    opensMonsterOnDoubleClick(*m_ingredients->spoilGrid(), m_host);
}

void TWeaponForm::openQueries()
{
    m_weapons->open();
    m_types->open();
    m_typeList->setListSource(*m_types, QStringLiteral("weapon_type"));
    m_navigator->setDataset(*m_weapons);
    m_panes->open({&m_panes->itemDrops(), &m_panes->ingredients(), &m_panes->recipeInfo(),
                   &m_panes->ingredientSpoils(), &m_panes->ingredientDrops()});
}

// --- handlers ------------------------------------------------------------------------------------

void TWeaponForm::FormCreate()
{
    consumeItemRequest(m_host, *m_weapons, QStringLiteral("id"));
    m_weaponStrip->fill();
    m_dropStrip->fill();
    m_ingredients->fillStrips();
}

void TWeaponForm::DBLookupComboBox1Click() { applyTypeFilter(*m_weapons, kTypePrefix, m_typeList->text()); }

void TWeaponForm::Edit1Change() { quickFind(*m_weapons, kKeyField, m_search->text()); }

void TWeaponForm::Button1Click() { clearSearch(*m_search, *m_weapons); }

void TWeaponForm::DBGrid1DblClick() { m_pages->setCurrentIndex(1); }

void TWeaponForm::QueryWeaponsAfterScroll() { m_panes->showItem(m_weapons->asText(QStringLiteral("id"))); }

void TWeaponForm::ReciepeQueryAfterScroll() { m_panes->showIngredient(); }

#include "windows/Monsters.h"

#include "browse/DbGrid.h"
#include "browse/DbLabel.h"
#include "browse/DbNavigator.h"
#include "browse/FindBar.h"
#include "browse/GridSetup.h"
#include "browse/HandlerGuard.h"
#include "browse/NamedQuery.h"
#include "browse/NameSearch.h"
#include "browse/PageControl.h"
#include "browse/ScrollingPage.h"
#include "browse/StripGridPage.h"
#include "browse/UiFont.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "panes/DropsSpoilsPage.h"
#include "panes/ItemDetailStatements.h"
#include "panes/LocateRequests.h"
#include "panes/MapView.h"
#include "panes/MonsterPane.h"
#include "panes/NavigationHost.h"
#include "panes/WindowPlace.h"
#include "windows/MonstersStatements.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kMapPage = 2;
constexpr int kAllBand = 0;
constexpr int kSourcesDivider = 5;
constexpr int kSpoilsHeight = 203;
// The pages keep room for a picture, a chance and an item name; a narrower window scrolls.
constexpr int kPagesMinimumWidth = 300;
const QString kMonsterId = QStringLiteral("M.id");

// Band buttons look like buttons in a flat tool bar: raised, lit under the pointer, pressed while
// their band is the one shown.
const char* const kBandButtonLook =
    "QToolButton { border: 1px solid palette(mid); border-radius: 2px;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 palette(light), stop:1 palette(button)); }"
    "QToolButton:hover { border-color: palette(highlight); background: palette(light); }"
    "QToolButton:pressed, QToolButton:checked { border-color: palette(dark); padding-top: 2px;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 palette(mid), stop:1 palette(midlight)); }"
    "QToolButton:checked:hover { border-color: palette(highlight); }";

// The band buttons in tool-bar order, named as the design names them.
const char* const kBandButtons[] = {"Button2", "Button4", "Button3", "Button5",
                                    "Button7", "Button6", "Button8", "Button9"};

QVector<GridColumn> ownSourceColumns()
{
    const QFont text = uiFont(kSansSerif, 13, true);
    return {
        gridColumn(QStringLiteral("icon"), QStringLiteral("Icon"), 40, text),
        gridColumn(QStringLiteral("percentage"), QStringLiteral("Chance"), kDefaultColumnWidth, text),
        gridColumn(QStringLiteral("name"), QStringLiteral("Item Name"), 300, text),
        gridColumn(QStringLiteral("nrdrops"), QStringLiteral("Quantity"), 100, text, Qt::AlignCenter),
        gridColumn(QStringLiteral("price"), QStringLiteral("Price"), 70, text),
    };
}

void nameSources(DropsSpoilsPage& page, const char* upperStrip, const char* upperGrid, const char* lowerStrip,
                 const char* lowerGrid)
{
    page.drops()->strip()->setObjectName(QLatin1String(upperStrip));
    page.drops()->grid()->setObjectName(QLatin1String(upperGrid));
    page.spoils()->strip()->setObjectName(QLatin1String(lowerStrip));
    page.spoils()->grid()->setObjectName(QLatin1String(lowerGrid));
}
} // namespace

TMonstersForm::TMonstersForm(NavigationHost& host, TDBModule& db, QWidget* parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("MonstersForm"));
    setWindowTitle(QStringLiteral("Monsters"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(uiFont(kSansSerif, 11));
    resize(756, 531);

    Connection& connection = db.ADOConnection1;
    m_monsterQuery =
        namedQuery(connection, QStringLiteral("MonsterQuery"), monsterListLines().join(QLatin1Char('\n')), this);
    m_drops = namedQuery(connection, QStringLiteral("QueryDrops"), monsterDropsSql(), this);
    m_spoils = namedQuery(connection, QStringLiteral("QuerySweep"), monsterSpoilsSql(), this);
    m_altDrops = namedQuery(connection, QStringLiteral("AlternativeDrops"), dropSourceSql(), this);
    m_altSpoils = namedQuery(connection, QStringLiteral("AlternativeSpoil"), alternativeSpoilSql(), this);
    m_spawnPoints = namedQuery(connection, QStringLiteral("MobLoc"), monsterLocationSql(), this);
    m_place = new WindowPlace(*this, WindowKind::Monsters, *m_monsterQuery, {kMonsterId}, QStringLiteral("name_lang"));
    // A monster the band does not hold is in the "All" band.
    m_place->setWidening([this] {
        if (bandOfStatement(m_monsterQuery->sql()) == kAllBand)
            return false;
        BandButtonClick(kAllBand);
        return true;
    });
    m_monsterQuery->setAfterScroll([this] { MonsterQueryAfterScroll(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBars();
    buildBody();
    declareSourceGrids();
    openQueries();
    FormCreate();
}

void TMonstersForm::buildToolBars()
{
    FindBarOptions findOptions;
    findOptions.separators = FindBarOptions::None;
    findOptions.buttonFont = font();
    findOptions.controlHeight = 0;
    FindBar find(findOptions, this);
    find.bind(*m_monsterQuery, QStringLiteral("name"));
    const struct {
        const char* caption;
        const char* field;
    } values[] = {{"Lvl:", "level"}, {"Agro:", "aggro"}, {"Exp:", "exp"},
                  {"HP:", "hp"},     {"SP:", "sp"},       {"Atack range:", "attack_range"}};
    for (const auto& v : values) {
        find.row().caption(QLatin1String(v.caption))->setContentsMargins(10, 0, 3, 0);
        find.row().value(*m_monsterQuery, QLatin1String(v.field))->setObjectName(QLatin1String(v.field));
    }
    layout()->addWidget(find.bar());

    ToolRow bands(QStringLiteral("ToolBar1"), 29, this);
    bands.caption(QStringLiteral("Lvl:"));
    for (int band = 0; band < monsterBands().size(); ++band) {
        if (band > 0)
            bands.separator();
        auto* button = bands.add(new QToolButton(bands.bar()));
        button->setObjectName(QLatin1String(kBandButtons[band]));
        button->setText(monsterBands()[band].caption);
        button->setFixedSize(40, 23);
        // Raised like a button, and the band the list shows stays pressed.
        button->setAutoRaise(false);
        button->setCheckable(true);
        button->setStyleSheet(QLatin1String(kBandButtonLook));
        m_bandButtons.append(button);
        connect(button, &QToolButton::clicked, this, [this, band] {
            guarded([&] { BandButtonClick(band); });
            showCurrentBand();
        });
    }
    bands.separator();
    auto* navigator = bands.add(new DbNavigator(bands.bar()));
    navigator->setObjectName(QStringLiteral("DBNavigator1"));
    navigator->setDataset(*m_monsterQuery);
    layout()->addWidget(bands.bar());
}

void TMonstersForm::buildBody()
{
    // Narrower than the list and the pages need, the body scrolls instead of squeezing them.
    auto* content = new QWidget;
    auto* body = new QHBoxLayout(content);
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    const QFont cells = uiFont(kSansSerif, 13, true);
    DbGrid* monsters = titledGrid(QStringLiteral("DBGrid1"), cells,
                                  {gridColumn(QStringLiteral("level"), QStringLiteral("Lvl"), 40, cells),
                                   gridColumn(QStringLiteral("name_lang"), QStringLiteral("Monster Name"), 240, cells)},
                                  content);
    // As wide as its columns, so that selecting a monster never scrolls the list sideways.
    monsters->setWidthFromColumns(true);
    monsters->setRowSelect(true);
    monsters->setHint(QStringLiteral("Click to view drop/spoil info"));
    monsters->setDataset(*m_monsterQuery);
    body->addWidget(monsters);

    m_pages = pageControl(content);
    m_pages->setMinimumWidth(kPagesMinimumWidth);
    m_ownPage = new DropsSpoilsPage(kSourcesDivider, DropsSpoilsPage::SpoilsKept, kSpoilsHeight,
                                    HeaderStrip::IgnoreIconSection, m_pages);
    m_ownPage->setObjectName(QStringLiteral("TabSheet1"));
    nameSources(*m_ownPage, "HeaderControl1", "DBGrid2", "HeaderControl2", "DBGrid3");
    m_altPage = new DropsSpoilsPage(kSourcesDivider, DropsSpoilsPage::SpoilsKept, kSpoilsHeight,
                                    HeaderStrip::FirstSectionSorts, m_pages);
    m_altPage->setObjectName(QStringLiteral("TabSheet2"));
    nameSources(*m_altPage, "HeaderControl3", "DBGrid5", "HeaderControl4", "DBGrid4");
    m_map = new MapView(m_spawnPoints, m_pages);
    m_map->setObjectName(QStringLiteral("PaintBox1"));
    m_pages->addTab(m_ownPage, QStringLiteral("Monster Drop/Spoil"));
    m_pages->addTab(m_altPage, QStringLiteral("Alternative Drops/Spoils"));
    m_pages->addTab(m_map, QStringLiteral("Monster Location"));
    m_pages->setCurrentIndex(0);
    body->addWidget(m_pages, 1);
    static_cast<QVBoxLayout*>(layout())->addWidget(new ScrollingPage(content, this), 1);
}

void TMonstersForm::declareSourceGrids()
{
    auto* dropMenu = new QMenu(this);
    dropMenu->setObjectName(QStringLiteral("PopupMenu1"));
    dropMenu->addAction(QStringLiteral("Find Alternative Drop"), this, guardedSlot([this] { FindLaternative1Click(); }));
    dropMenu->addAction(QStringLiteral("Find Alternative Spoil"), this,
                        guardedSlot([this] { FindAlternativeSpoil2Click(); }));
    dropMenu->addAction(QStringLiteral("View Item Detail"), this, guardedSlot([this] { ViewItemDetail1Click(); }));
    auto* spoilMenu = new QMenu(this);
    spoilMenu->setObjectName(QStringLiteral("PopupMenu2"));
    spoilMenu->addAction(QStringLiteral("Find Alternative Spoil"), this,
                         guardedSlot([this] { FindAlternativeSpoil1Click(); }));
    spoilMenu->addAction(QStringLiteral("Find Alternative Drop"), this, guardedSlot([this] { FindAlternativeDrop1Click(); }));
    spoilMenu->addAction(QStringLiteral("View Item Detail"), this, guardedSlot([this] { ViewItemDetail2Click(); }));

    // The drop and spoil lists: tall rows for the icons, a menu, and the item jump.
    const QString ownHint = QStringLiteral("Right-click to view additional menu or dbl-click for item details");
    const std::pair<DbGrid*, Dataset*> own[] = {{m_ownPage->drops()->grid(), m_drops},
                                                {m_ownPage->spoils()->grid(), m_spoils}};
    QMenu* const menus[] = {dropMenu, spoilMenu};
    for (int i = 0; i < 2; ++i) {
        DbGrid& grid = *own[i].first;
        setUpStripGrid(grid, *own[i].second, ownSourceColumns(), uiFont(kSansSerif, 27), ownHint);
        grid.setIconColumn(0);
        grid.setPopupMenu(menus[i]);
        opensItemOnDoubleClick(grid, m_host);
    }

    // The other sources of an item: a click jumps to the monster in this window's own list.
    const std::pair<DbGrid*, Dataset*> alternatives[] = {{m_altPage->drops()->grid(), m_altDrops},
                                                         {m_altPage->spoils()->grid(), m_altSpoils}};
    for (const auto& [grid, sources] : alternatives) {
        setUpMonsterPane(*grid, *sources, monsterPaneColumns(true, 60));
        grid->setHint(QStringLiteral("Click to jump to this monster"));
        connect(grid, &DbGrid::cellClick, this, guardedSlot([this, sources = sources] { AlternativeCellClick(*sources); }));
        connect(grid, &DbGrid::dblClick, this, guardedSlot([this] { AlternativeDblClick(); }));
    }
}

void TMonstersForm::openQueries()
{
    // The detail queries open first, so the list's first after-scroll finds them ready to filter.
    for (Dataset* query : {m_drops, m_spoils, m_altDrops, m_altSpoils, m_spawnPoints})
        query->open();
    m_monsterQuery->open();
}

void TMonstersForm::findAlternative(Dataset& source, Dataset& target)
{
    const QString item = source.asText(QStringLiteral("N.id"));
    if (item.isEmpty())
        return;
    refilter(target, filterText(QStringLiteral("item_id = "), item));
    m_pages->setCurrentIndex(1);
}

// --- handlers ------------------------------------------------------------------------------------

void TMonstersForm::FormCreate()
{
    consumeMonsterRequest(m_host, *m_monsterQuery, kMonsterId);
    m_ownPage->fillStrips();
    m_altPage->fillStrips();
    showCurrentBand();
    // The alternatives page lists every source of every item: its rows are read while the user
    // looks at the first page, so that the page shows at once.
    m_altDrops->readAhead();
    m_altSpoils->readAhead();
}

void TMonstersForm::BandButtonClick(int band)
{
    m_monsterQuery->close();
    m_monsterQuery->clearSql();
    m_monsterQuery->addSql(monsterBands()[band].statement);
    showCurrentBand();
    m_monsterQuery->open();
}

void TMonstersForm::showCurrentBand()
{
    // The list's statement is the one record of the band.
    const int current = bandOfStatement(m_monsterQuery->sql());
    for (int band = 0; band < m_bandButtons.size(); ++band)
        m_bandButtons[band]->setChecked(band == current);
}

void TMonstersForm::MonsterQueryAfterScroll()
{
    const QString filter = filterText(QStringLiteral("npc_id = "), m_monsterQuery->asText(kMonsterId));
    refilter(*m_drops, filter);
    refilter(*m_spoils, filter);
    refilter(*m_spawnPoints, filter);
    if (m_pages->currentIndex() == kMapPage)
        m_map->update();
}

void TMonstersForm::FindLaternative1Click() { findAlternative(*m_drops, *m_altDrops); }
void TMonstersForm::FindAlternativeSpoil2Click() { findAlternative(*m_drops, *m_altSpoils); }
void TMonstersForm::FindAlternativeSpoil1Click() { findAlternative(*m_spoils, *m_altSpoils); }
void TMonstersForm::FindAlternativeDrop1Click() { findAlternative(*m_spoils, *m_altDrops); }

void TMonstersForm::ViewItemDetail1Click() { openItemFrom(m_host, *m_drops); }
void TMonstersForm::ViewItemDetail2Click() { openItemFrom(m_host, *m_spoils); }

void TMonstersForm::AlternativeCellClick(Dataset& sources)
{
    const QString monster = sources.asText(QStringLiteral("id"));
    m_place->jump([&] {
        BandButtonClick(kAllBand);
        if (!monster.isEmpty())
            m_monsterQuery->locate(kMonsterId, monster, CaseInsensitive | PartialKey);
    });
}

void TMonstersForm::AlternativeDblClick() { m_pages->setCurrentIndex(0); }

#include "windows/Monsters.h"

#include "browse/DbGrid.h"
#include "browse/DbLabel.h"
#include "browse/DbNavigator.h"
#include "browse/HandlerGuard.h"
#include "browse/HeaderStrip.h"
#include "browse/NameSearch.h"
#include "browse/UiFont.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "panes/ItemDetailPanes.h"
#include "panes/LocateRequests.h"
#include "panes/MapView.h"
#include "panes/MonsterPane.h"
#include "panes/NavigationHost.h"
#include "windows/MonstersSourcesPage.h"
#include "windows/MonstersStatements.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kMapPage = 2;
const QString kMonsterId = QStringLiteral("M.id");

Dataset* makeQuery(Connection& connection, const char* name, const QString& sql, QObject* parent)
{
    auto* query = new Dataset(connection, parent);
    query->setObjectName(QLatin1String(name));
    query->setSql(sql);
    return query;
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(uiFont(kTahoma, 13, true));
    return label;
}

GridColumn column(const char* field, const char* title, int width, const QFont& font, Qt::Alignment alignment = {})
{
    GridColumn c;
    c.field = QLatin1String(field);
    c.title = QLatin1String(title);
    c.width = width;
    c.font = font;
    c.alignment = alignment;
    return c;
}

QVector<GridColumn> ownSourceColumns()
{
    const QFont text = uiFont(kSansSerif, 13, true);
    return {
        column("icon", "Icon", 40, text),
        column("percentage", "Chance", kDefaultColumnWidth, text),
        column("name", "Item Name", 300, text),
        column("nrdrops", "Quantity", 100, text, Qt::AlignCenter),
        column("price", "Price", 70, text),
    };
}

void setUpOwnSources(DbGrid& grid, Dataset& dataset, QMenu* menu)
{
    // The tall base font gives the rows room for the icons.
    const QFont base = uiFont(kSansSerif, 27);
    grid.setFont(base);
    grid.setBaseFont(base);
    grid.setTitleRow(false);
    grid.setRowSelect(true);
    grid.setHint(QStringLiteral("Right-click to view additional menu or dbl-click for item details"));
    grid.setColumns(ownSourceColumns());
    grid.setIconColumn(0);
    grid.setDataset(dataset);
    grid.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&grid, &QWidget::customContextMenuRequested, menu,
                     [&grid, menu](const QPoint& at) { menu->popup(grid.viewport()->mapToGlobal(at)); });
}

void setUpAlternativeSources(DbGrid& grid, Dataset& dataset)
{
    setUpMonsterPane(grid, dataset, monsterPaneColumns(true, 60));
    grid.setHint(QStringLiteral("Click to jump to this monster"));
}
}

TMonstersForm::TMonstersForm(NavigationHost& host, TDBModule& db, QWidget* parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("MonstersForm"));
    setWindowTitle(QStringLiteral("Monsters"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(uiFont(kSansSerif, 11));
    resize(756, 531);

    Connection& connection = db.ADOConnection1;
    m_monsterQuery = makeQuery(connection, "MonsterQuery", monsterListLines().join(QLatin1Char('\n')), this);
    m_drops = makeQuery(connection, "QueryDrops", monsterDropsSql(), this);
    m_spoils = makeQuery(connection, "QuerySweep", monsterSpoilsSql(), this);
    m_altDrops = makeQuery(connection, "AlternativeDrops", ItemDetailPanes::dropSourceSql(), this);
    m_altSpoils = makeQuery(connection, "AlternativeSpoil", alternativeSpoilSql(), this);
    m_spawnPoints = makeQuery(connection, "MobLoc", monsterLocationSql(), this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBars();
    buildBody();
    declareGrids();
    connectHandlers();
    openQueries();
    FormCreate();
}

void TMonstersForm::buildToolBars()
{
    m_findBar = new QToolBar(this);
    m_findBar->setObjectName(QStringLiteral("ToolBar2"));
    m_findBar->setFixedHeight(31);
    m_findBar->addWidget(caption(QStringLiteral("Quick Find"), m_findBar));
    m_search = new QLineEdit(m_findBar);
    m_search->setObjectName(QStringLiteral("Edit1"));
    m_search->setFixedWidth(183);
    m_search->setFont(uiFont(kTahoma, 13));
    m_findBar->addWidget(m_search);
    auto* clear = new QPushButton(QStringLiteral("clear"), m_findBar);
    clear->setObjectName(QStringLiteral("Button1"));
    clear->setToolTip(QStringLiteral("Clear field"));
    clear->setStatusTip(QStringLiteral("Clear field"));
    clear->setFixedWidth(43);
    m_findBar->addWidget(clear);
    connect(clear, &QPushButton::clicked, this, guardedSlot([this] { Button1Click(); }));

    const struct {
        const char* caption;
        const char* field;
    } values[] = {{"Lvl:", "level"}, {"Agro:", "aggro"}, {"Exp:", "exp"},
                  {"HP:", "hp"},     {"SP:", "sp"},       {"Atack range:", "attack_range"}};
    for (const auto& v : values) {
        QLabel* label = caption(QLatin1String(v.caption), m_findBar);
        label->setContentsMargins(10, 0, 3, 0);
        m_findBar->addWidget(label);
        auto* value = new DbLabel(m_findBar);
        value->setObjectName(QLatin1String(v.field));
        value->bind(*m_monsterQuery, QLatin1String(v.field));
        m_findBar->addWidget(value);
    }
    layout()->addWidget(m_findBar);

    m_bandBar = new QToolBar(this);
    m_bandBar->setObjectName(QStringLiteral("ToolBar1"));
    m_bandBar->setFixedHeight(29);
    m_bandBar->addWidget(caption(QStringLiteral("Lvl:"), m_bandBar));
    static const char* const buttonNames[] = {"Button2", "Button4", "Button3", "Button5",
                                              "Button7", "Button6", "Button8", "Button9"};
    void (TMonstersForm::*const handlers[])() = {
        &TMonstersForm::Button2Click, &TMonstersForm::Button4Click, &TMonstersForm::Button3Click,
        &TMonstersForm::Button5Click, &TMonstersForm::Button7Click, &TMonstersForm::Button6Click,
        &TMonstersForm::Button8Click, &TMonstersForm::Button9Click};
    for (int i = 0; i < monsterBands().size(); ++i) {
        if (i > 0)
            m_bandBar->addSeparator();
        auto* button = new QToolButton(m_bandBar);
        button->setObjectName(QLatin1String(buttonNames[i]));
        button->setText(monsterBands()[i].caption);
        button->setFixedSize(40, 23);
        m_bandBar->addWidget(button);
        connect(button, &QToolButton::clicked, this, guardedSlot([this, handler = handlers[i]] { (this->*handler)(); }));
    }
    m_bandBar->addSeparator();
    auto* navigator = new DbNavigator(m_bandBar);
    navigator->setObjectName(QStringLiteral("DBNavigator1"));
    navigator->setDataset(*m_monsterQuery);
    m_bandBar->addWidget(navigator);
    layout()->addWidget(m_bandBar);
}

void TMonstersForm::buildBody()
{
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    m_monsterGrid = new DbGrid(this);
    m_monsterGrid->setObjectName(QStringLiteral("DBGrid1"));
    m_monsterGrid->setFixedWidth(269);
    body->addWidget(m_monsterGrid);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->tabBar()->setFont(uiFont(kTahoma, 13, true));
    m_pages->tabBar()->setAttribute(Qt::WA_Hover);
    m_ownPage = new MonstersSourcesPage({"DBGrid2", "HeaderControl1", "DBGrid3", "HeaderControl2"}, m_pages);
    m_ownPage->setObjectName(QStringLiteral("TabSheet1"));
    m_altPage = new MonstersSourcesPage({"DBGrid5", "HeaderControl3", "DBGrid4", "HeaderControl4"}, m_pages);
    m_altPage->setObjectName(QStringLiteral("TabSheet2"));
    m_map = new MapView(m_spawnPoints, m_pages);
    m_map->setObjectName(QStringLiteral("PaintBox1"));
    m_pages->addTab(m_ownPage, QStringLiteral("Monster Drop/Spoil"));
    m_pages->addTab(m_altPage, QStringLiteral("Alternative Drops/Spoils"));
    m_pages->addTab(m_map, QStringLiteral("Monster Location"));
    m_pages->setCurrentIndex(0);
    body->addWidget(m_pages, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(body, 1);
}

void TMonstersForm::declareGrids()
{
    const QFont cells = uiFont(kSansSerif, 13, true);
    m_monsterGrid->setFont(cells);
    m_monsterGrid->setBaseFont(cells);
    m_monsterGrid->setTitleRow(true);
    m_monsterGrid->setTitleFont(uiFont(kTahoma, 13, true));
    m_monsterGrid->setRowSelect(true);
    m_monsterGrid->setHint(QStringLiteral("Click to view drop/spoil info"));
    m_monsterGrid->setColumns({column("level", "Lvl", 40, cells), column("name_lang", "Monster Name", 240, cells)});
    m_monsterGrid->setDataset(*m_monsterQuery);

    m_dropMenu = new QMenu(this);
    m_dropMenu->setObjectName(QStringLiteral("PopupMenu1"));
    m_dropMenu->addAction(QStringLiteral("Find Alternative Drop"), this, guardedSlot([this] { FindLaternative1Click(); }));
    m_dropMenu->addAction(QStringLiteral("Find Alternative Spoil"), this, guardedSlot([this] { FindAlternativeSpoil2Click(); }));
    m_dropMenu->addAction(QStringLiteral("View Item Detail"), this, guardedSlot([this] { ViewItemDetail1Click(); }));
    m_spoilMenu = new QMenu(this);
    m_spoilMenu->setObjectName(QStringLiteral("PopupMenu2"));
    m_spoilMenu->addAction(QStringLiteral("Find Alternative Spoil"), this, guardedSlot([this] { FindAlternativeSpoil1Click(); }));
    m_spoilMenu->addAction(QStringLiteral("Find Alternative Drop"), this, guardedSlot([this] { FindAlternativeDrop1Click(); }));
    m_spoilMenu->addAction(QStringLiteral("View Item Detail"), this, guardedSlot([this] { ViewItemDetail2Click(); }));

    setUpOwnSources(*m_ownPage->upperGrid(), *m_drops, m_dropMenu);
    setUpOwnSources(*m_ownPage->lowerGrid(), *m_spoils, m_spoilMenu);
    setUpAlternativeSources(*m_altPage->upperGrid(), *m_altDrops);
    setUpAlternativeSources(*m_altPage->lowerGrid(), *m_altSpoils);
    m_ownPage->upperStrip()->setGrid(m_ownPage->upperGrid(), HeaderStrip::IgnoreIconSection);
    m_ownPage->lowerStrip()->setGrid(m_ownPage->lowerGrid(), HeaderStrip::IgnoreIconSection);
    m_altPage->upperStrip()->setGrid(m_altPage->upperGrid());
    m_altPage->lowerStrip()->setGrid(m_altPage->lowerGrid());
}

void TMonstersForm::connectHandlers()
{
    connect(m_search, &QLineEdit::textChanged, this, guardedSlot([this] { Edit1Change(); }));
    m_monsterQuery->setAfterScroll([this] { MonsterQueryAfterScroll(); });
    opensItemOnDoubleClick(*m_ownPage->upperGrid(), m_host);
    opensItemOnDoubleClick(*m_ownPage->lowerGrid(), m_host);
    connect(m_altPage->upperGrid(), &DbGrid::cellClick, this, guardedSlot([this] { DBGrid5CellClick(); }));
    connect(m_altPage->lowerGrid(), &DbGrid::cellClick, this, guardedSlot([this] { DBGrid4CellClick(); }));
    connect(m_altPage->upperGrid(), &DbGrid::dblClick, this, guardedSlot([this] { DBGrid5DblClick(); }));
    connect(m_altPage->lowerGrid(), &DbGrid::dblClick, this, guardedSlot([this] { DBGrid4DblClick(); }));
}

void TMonstersForm::openQueries()
{
    // The detail queries open first, so the list's first after-scroll finds them ready to filter.
    for (Dataset* query : {m_drops, m_spoils, m_altDrops, m_altSpoils, m_spawnPoints})
        query->open();
    m_monsterQuery->open();
}

void TMonstersForm::FormCreate()
{
    consumeMonsterRequest(m_host, *m_monsterQuery, kMonsterId);
    m_ownPage->upperStrip()->fill();
    m_ownPage->lowerStrip()->fill();
    m_altPage->upperStrip()->fill();
    m_altPage->lowerStrip()->fill();
}

void TMonstersForm::reloadBand(int band)
{
    m_monsterQuery->close();
    m_monsterQuery->clearSql();
    m_monsterQuery->addSql(monsterBands()[band].statement);
    m_monsterQuery->open();
}

void TMonstersForm::Button2Click() { reloadBand(0); }
void TMonstersForm::Button4Click() { reloadBand(1); }
void TMonstersForm::Button3Click() { reloadBand(2); }
void TMonstersForm::Button5Click() { reloadBand(3); }
void TMonstersForm::Button7Click() { reloadBand(4); }
void TMonstersForm::Button6Click() { reloadBand(5); }
void TMonstersForm::Button8Click() { reloadBand(6); }
void TMonstersForm::Button9Click() { reloadBand(7); }

void TMonstersForm::Edit1Change() { quickFind(*m_monsterQuery, QStringLiteral("name"), m_search->text()); }

void TMonstersForm::Button1Click() { clearSearch(*m_search, *m_monsterQuery); }

void TMonstersForm::MonsterQueryAfterScroll()
{
    const QString filter = filterText(QStringLiteral("npc_id = "), m_monsterQuery->asText(kMonsterId));
    refilter(*m_drops, filter);
    refilter(*m_spoils, filter);
    refilter(*m_spawnPoints, filter);
    if (m_pages->currentIndex() == kMapPage)
        m_map->update();
}

void TMonstersForm::findAlternative(Dataset& source, Dataset& target)
{
    const QString item = source.asText(QStringLiteral("N.id"));
    if (item.isEmpty())
        return;
    refilter(target, filterText(QStringLiteral("item_id = "), item));
    m_pages->setCurrentIndex(1);
}

void TMonstersForm::FindLaternative1Click() { findAlternative(*m_drops, *m_altDrops); }
void TMonstersForm::FindAlternativeSpoil2Click() { findAlternative(*m_drops, *m_altSpoils); }
void TMonstersForm::FindAlternativeSpoil1Click() { findAlternative(*m_spoils, *m_altSpoils); }
void TMonstersForm::FindAlternativeDrop1Click() { findAlternative(*m_spoils, *m_altDrops); }

void TMonstersForm::ViewItemDetail1Click() { openItemFrom(m_host, *m_drops); }
void TMonstersForm::ViewItemDetail2Click() { openItemFrom(m_host, *m_spoils); }

void TMonstersForm::jumpToMonster(Dataset& sources)
{
    const QString monster = sources.asText(QStringLiteral("id"));
    Button2Click();
    if (!monster.isEmpty())
        m_monsterQuery->locate(kMonsterId, monster, CaseInsensitive | PartialKey);
}

void TMonstersForm::DBGrid5CellClick() { jumpToMonster(*m_altDrops); }
void TMonstersForm::DBGrid4CellClick() { jumpToMonster(*m_altSpoils); }
void TMonstersForm::DBGrid5DblClick() { m_pages->setCurrentIndex(0); }
void TMonstersForm::DBGrid4DblClick() { m_pages->setCurrentIndex(0); }


#include "windows/Recipes.h"

#include "browse/DbGrid.h"
#include "browse/DbNavigator.h"
#include "browse/FindBar.h"
#include "browse/GridSetup.h"
#include "browse/HeaderStrip.h"
#include "browse/NamedQuery.h"
#include "browse/NameSearch.h"
#include "browse/PageControl.h"
#include "browse/ScrollingPage.h"
#include "browse/StripGridPage.h"
#include "browse/ToolRow.h"
#include "browse/UiFont.h"
#include "browse/ValueStrip.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "panes/CraftingTreePage.h"
#include "panes/DropsSpoilsPage.h"
#include "panes/ItemDetailStatements.h"
#include "panes/LocateRequests.h"
#include "panes/MonsterPane.h"
#include "panes/UsedInPage.h"
#include "panes/WindowPlace.h"
#include "windows/RecipesStatements.h"

#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int kRecipeGridWidth = 244;
constexpr int kIngredientGridWidth = 390;
constexpr int kDropsHeight = 185;
constexpr int kSourcesDivider = 6;
// Level, monster name and part of the chance stay in view.
constexpr int kSourcesMinimumWidth = 260;
const QString kName = QStringLiteral("name");
const QString kMaterial = QStringLiteral("material");

QVector<GridColumn> recipeColumns()
{
    const QFont cells = uiFont(kSansSerif, 13, true);
    return {gridColumn(kName, QStringLiteral("Item Name"), 180, cells),
            gridColumn(QStringLiteral("rate"), QStringLiteral("Rate"), 40, cells)};
}

QVector<GridColumn> ingredientColumns()
{
    const QFont text = uiFont(kSansSerif, 13, true);
    // The icon column has no caption: its heading shows the field name.
    return {gridColumn(QStringLiteral("icon"), QString(), 40),
            gridColumn(QStringLiteral("quantity"), QStringLiteral("Quantity"), kDefaultColumnWidth, text),
            gridColumn(kName, QStringLiteral("Item Name"), 250, text)};
}
} // namespace

TRecipesForm::TRecipesForm(NavigationHost& host, TDBModule& db, QWidget* parent, const QString& exeFolder)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RecipesForm"));
    setWindowTitle(QStringLiteral("Recipes"));
    setFont(uiFont(kSansSerif, 11));
    resize(1024, 584);

    // The views bind to the queries, so those come first.
    createQueries(db);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBars();
    buildBody(host, db.ADOConnection1, exeFolder);
    openQueries();
    FormCreate();
}

void TRecipesForm::createQueries(TDBModule& db)
{
    Connection& connection = db.ADOConnection1;
    m_recipes = namedQuery(connection, QStringLiteral("RecipeQuery"), recipeListSql(), this);
    m_ingredients = namedQuery(connection, QStringLiteral("RecipeDetails"), recipeIngredientsSql(), this);
    m_drops = namedQuery(connection, QStringLiteral("AlternativeDrops"), dropSourceSql(), this);
    m_spoils = namedQuery(connection, QStringLiteral("AlternativeSpoil"), spoilSourceSql(), this);
    new WindowPlace(*this, WindowKind::Recipes, *m_recipes, {QStringLiteral("item_id"), QStringLiteral("rate")},
                    QStringLiteral("name"));
    m_recipes->setAfterScroll([this] { RecipeQueryAfterScroll(); });
    m_ingredients->setAfterScroll([this] { RecipeDetailsAfterScroll(); });
}

void TRecipesForm::buildToolBars()
{
    FindBarOptions findOptions;
    findOptions.separators = FindBarOptions::None;
    FindBar find(findOptions, this);
    find.bind(*m_recipes, kName);
    auto* navigator = find.row().add(new DbNavigator(find.bar()));
    navigator->setObjectName(QStringLiteral("DBNavigator1"));
    navigator->setNavigatorWidth(120);
    navigator->setDataset(*m_recipes);
    m_findBar = find.bar();
    layout()->addWidget(m_findBar);

    m_values = new ValueStrip(29, toolCaptionFont(), uiFont(kSansSerif, 13, true), this);
    m_values->setObjectName(QStringLiteral("ToolBar1"));
    const struct {
        const char* caption;
        const char* field;
    } values[] = {{"Craft Lvl:", "level"}, {"NPC Fee:", "npc_fee"}, {"MP Consume:", "mp"}, {"Output:", "output"}};
    for (const auto& v : values)
        m_values->addValue(QLatin1String(v.caption), *m_recipes, QLatin1String(v.field));
    layout()->addWidget(m_values);
}

void TRecipesForm::buildBody(NavigationHost& host, Connection& connection, const QString& exeFolder)
{
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    static_cast<QVBoxLayout*>(layout())->addLayout(body, 1);

    m_recipeGrid = titledGrid(QStringLiteral("DBGrid1"), uiFont(kSansSerif, 13, true), recipeColumns(), this);
    m_recipeGrid->setFixedWidth(kRecipeGridWidth);
    m_recipeGrid->setRowSelect(true);
    m_recipeGrid->setDataset(*m_recipes);
    body->addWidget(m_recipeGrid);

    m_pages = pageControl(this);
    m_pages->addTab(buildIngredientsPage(host, exeFolder), QStringLiteral("Ingredients"));
    // A window too low for the tree and the totals scrolls the page rather than squeezing them.
    m_tree = new CraftingTreePage(connection, host, exeFolder);
    m_pages->addTab(new ScrollingPage(m_tree, m_pages), QStringLiteral("Crafting Tree"));
    m_usedIn = new UsedInPage(connection, host, exeFolder, m_pages);
    m_pages->addTab(m_usedIn, QStringLiteral("Used In"));
    body->addWidget(m_pages, 1);
}

QWidget* TRecipesForm::buildIngredientsPage(NavigationHost& host, const QString& exeFolder)
{
    // A window narrower than both grids scrolls the page sideways rather than stacking the
    // sources over the ingredients.
    // The strip runs across the page's top; its sections stand over the ingredient grid only.
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    m_ingredientStrip = new HeaderStrip(page);
    m_ingredientStrip->setObjectName(QStringLiteral("HeaderControl1"));
    m_ingredientStrip->setFixedHeight(17);
    pageLayout->addWidget(m_ingredientStrip);
    auto* below = new QHBoxLayout;
    below->setContentsMargins(0, 0, 0, 0);
    below->setSpacing(0);
    pageLayout->addLayout(below, 1);

    m_ingredientGrid = new DbGrid(page);
    m_ingredientGrid->setObjectName(QStringLiteral("DBGrid2"));
    m_ingredientGrid->setFixedWidth(kIngredientGridWidth);
    setUpStripGrid(*m_ingredientGrid, *m_ingredients, ingredientColumns(), uiFont(kSansSerif, 27),
                   QStringLiteral("Click to view drop/spoil info"));
    m_ingredientGrid->setIconColumn(0, exeFolder);
    m_ingredientStrip->setGrid(m_ingredientGrid, HeaderStrip::IgnoreIconSection);
    below->addWidget(m_ingredientGrid);

    m_sources = new DropsSpoilsPage(QStringLiteral("Ingredients Drops"), QStringLiteral("Ingredients Spoils"),
                                    kSourcesDivider, DropsSpoilsPage::DropsKept, kDropsHeight,
                                    HeaderStrip::FirstSectionSorts, page);
    m_sources->setMinimumWidth(kSourcesMinimumWidth);
    below->addWidget(m_sources, 1);
    const struct {
        StripGridPage* pane;
        Dataset* sources;
        const char* strip;
        const char* grid;
    } panes[] = {{m_sources->drops(), m_drops, "HeaderControl4", "DBGrid3"},
                 {m_sources->spoils(), m_spoils, "HeaderControl5", "DBGrid6"}};
    for (const auto& p : panes) {
        p.pane->strip()->setObjectName(QLatin1String(p.strip));
        p.pane->strip()->setFont(uiFont(kTahoma, 13, true));
        p.pane->grid()->setObjectName(QLatin1String(p.grid));
        setUpMonsterPane(*p.pane->grid(), *p.sources, monsterPaneColumns(false, 62, 180, 83));
        opensMonsterOnDoubleClick(*p.pane->grid(), host);
    }
    m_sources->keepGridHeight(kDropsHeight);
    auto* sheet = new ScrollingPage(page, m_pages);
    sheet->setObjectName(QStringLiteral("TabSheet1"));
    return sheet;
}

void TRecipesForm::openQueries()
{
    // Each list opens before the one whose after-scroll filters it.
    for (Dataset* query : {m_drops, m_spoils})
        query->open();
    m_usedIn->open();
    for (Dataset* query : {m_ingredients, m_recipes})
        query->open();
    // Without a recipe no after-scroll runs; the ingredient list must not show every recipe's.
    if (m_recipes->isEmpty())
        RecipeQueryAfterScroll();
}

// --- handlers ------------------------------------------------------------------------------------

void TRecipesForm::FormCreate()
{
    m_ingredientStrip->fill();
    m_sources->fillStrips();
    m_usedIn->fillStrip();
}

void TRecipesForm::RecipeQueryAfterScroll()
{
    // No recipe (an empty list) leaves no ingredient: the fixed filter that matches none.
    const QString filter = m_recipes->isEmpty()
        ? QStringLiteral("item_id = 0")
        : filterText(QStringLiteral("item_id = "), m_recipes->asText(QStringLiteral("item_id"))) +
            QStringLiteral(" AND ") + filterText(QStringLiteral("rate = "), m_recipes->asText(QStringLiteral("rate")));
    refilter(*m_ingredients, filter);
    m_tree->showRecipe(m_recipes->asText(QStringLiteral("item_id")), m_recipes->asText(QStringLiteral("rate")));
}

void TRecipesForm::RecipeDetailsAfterScroll()
{
    // No ingredient reads as material 0, which no item has: both source lists empty.
    const QString filter =
        filterText(QStringLiteral("item_id = "), QString::number(m_ingredients->asInteger(kMaterial)));
    refilter(*m_drops, filter);
    refilter(*m_spoils, filter);
    m_usedIn->showItem(m_ingredients->asText(kMaterial), m_ingredients->asText(kName));
}

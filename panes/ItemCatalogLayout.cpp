#include "panes/ItemCatalogLayout.h"

#include "browse/DbGrid.h"
#include "browse/HeaderStrip.h"
#include "browse/StripGridPage.h"
#include "browse/UiFont.h"
#include "data/Dataset.h"
#include "panes/DropsSpoilsPage.h"
#include "panes/ItemDetailPanes.h"
#include "panes/MonsterPane.h"

#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int kDropsPanelHeight = 145;
constexpr int kDividerWidth = 8;

void paint(QWidget& widget, const QColor& color)
{
    QPalette p = widget.palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::ButtonText, color);
    widget.setPalette(p);
}

void declareSourcePane(StripGridPage& page, const char* strip, const char* grid, const QFont& stripFont,
                       Dataset& dataset)
{
    page.strip()->setObjectName(QLatin1String(strip));
    page.strip()->setFont(stripFont);
    page.grid()->setObjectName(QLatin1String(grid));
    setUpMonsterPane(*page.grid(), dataset, monsterPaneColumns(true, 60));
}
}

ItemCatalogLayout::ItemCatalogLayout(const ItemCatalogOptions& options, Dataset& list, ItemDetailPanes& panes,
                                     QWidget& form)
{
    form.setWindowTitle(options.caption);
    form.setFont(uiFont(kSansSerif, 11));
    form.resize(options.designSize);
    auto* layout = new QVBoxLayout(&form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_bars = std::make_unique<BrowseToolBars>(options.typeBar, &form);
    layout->addWidget(m_bars->typeBar());
    layout->addWidget(m_bars->findBar());

    m_pages = new QTabWidget(&form);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->tabBar()->setFont(uiFont(kSansSerif, 13, true));
    layout->addWidget(m_pages, 1);

    QWidget* listPage;
    if (options.listStrip) {
        auto* page = new StripGridPage(QString(), HeaderStrip::IgnoreIconSection, m_pages);
        m_listStrip = page->strip();
        m_listStrip->setObjectName(QStringLiteral("HeaderControl1"));
        m_listStrip->setFont(options.listStripFont);
        paint(*m_listStrip, options.listStripColor);
        m_listGrid = page->grid();
        m_listGrid->setTitleRow(false);
        listPage = page;
    } else {
        m_listGrid = new DbGrid(m_pages);
        m_listGrid->setTitleRow(true);
        m_listGrid->setTitleFont(options.listTitleFont);
        m_listGrid->setColumnResize(true);
        listPage = m_listGrid;
    }
    m_listGrid->setObjectName(QStringLiteral("DBGrid1"));
    m_listGrid->setFont(uiFont(kSansSerif, 13));
    m_listGrid->setBaseFont(options.listBaseFont);
    m_listGrid->setRowSelect(true);
    m_listGrid->setHint(options.listHint);
    m_listGrid->setColumns(options.listColumns);
    m_listGrid->setIconColumn(0, options.ingredients.exeFolder);
    m_listGrid->setDataset(list);
    if (listPage != m_listGrid)
        listPage->setObjectName(QStringLiteral("TabSheet1"));
    m_pages->addTab(listPage, options.listTab);

    m_pages->addTab(buildSourcePage(options, panes), panes.itemSpoils() ? QStringLiteral("Drop/Spoil Info")
                                                                        : QStringLiteral("Drop Info"));

    m_ingredients = new IngredientsPage(panes, options.ingredients, m_pages);
    m_ingredients->setObjectName(QStringLiteral("TabSheet3"));
    m_ingredients->ingredientGrid()->setObjectName(QStringLiteral("DBGrid2"));
    m_ingredients->dropStrip()->setObjectName(QStringLiteral("HeaderControl3"));
    m_ingredients->dropGrid()->setObjectName(QStringLiteral("DBGrid3"));
    m_ingredients->spoilStrip()->setObjectName(QStringLiteral("HeaderControl4"));
    m_ingredients->spoilGrid()->setObjectName(panes.itemSpoils() ? QStringLiteral("DBGrid6") : QStringLiteral("DBGrid4"));
    m_pages->addTab(m_ingredients, QStringLiteral("Ingredients"));
    m_pages->setCurrentIndex(0);
}

ItemCatalogLayout::~ItemCatalogLayout() = default;

QWidget* ItemCatalogLayout::buildSourcePage(const ItemCatalogOptions& options, ItemDetailPanes& panes)
{
    if (!panes.itemSpoils()) {
        m_dropPage = new StripGridPage(QString(), HeaderStrip::FirstSectionSorts, m_pages);
        declareSourcePane(*m_dropPage, "HeaderControl2", "DBGrid5", options.sourceStripFont, panes.itemDrops());
        m_dropPage->setObjectName(QStringLiteral("TabSheet2"));
        return m_dropPage;
    }
    auto* page = new DropsSpoilsPage(kDividerWidth, DropsSpoilsPage::DropsKept, kDropsPanelHeight,
                                     HeaderStrip::FirstSectionSorts, m_pages);
    page->setObjectName(QStringLiteral("TabSheet2"));
    m_dropPage = page->drops();
    m_spoilPage = page->spoils();
    declareSourcePane(*m_dropPage, "HeaderControl1", "DBGrid5", options.sourceStripFont, panes.itemDrops());
    declareSourcePane(*m_spoilPage, "HeaderControl2", "DBGrid4", options.sourceStripFont, *panes.itemSpoils());
    return page;
}

void ItemCatalogLayout::fillStrips()
{
    if (m_listStrip)
        m_listStrip->fill();
    m_dropPage->strip()->fill();
    if (m_spoilPage)
        m_spoilPage->strip()->fill();
    m_ingredients->fillStrips();
}

void ItemCatalogLayout::showSources() { m_pages->setCurrentIndex(1); }

void ItemCatalogLayout::addPage(QWidget* page, const QString& title) { m_pages->addTab(page, title); }

BrowseToolBars& ItemCatalogLayout::bars() const { return *m_bars; }
DbGrid* ItemCatalogLayout::listGrid() const { return m_listGrid; }
HeaderStrip* ItemCatalogLayout::listStrip() const { return m_listStrip; }
StripGridPage* ItemCatalogLayout::dropPage() const { return m_dropPage; }
StripGridPage* ItemCatalogLayout::spoilPage() const { return m_spoilPage; }
IngredientsPage* ItemCatalogLayout::ingredients() const { return m_ingredients; }

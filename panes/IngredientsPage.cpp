#include "panes/IngredientsPage.h"

#include "browse/DbGrid.h"
#include "browse/DbLabel.h"
#include "browse/HeaderStrip.h"
#include "browse/ScrollingPage.h"
#include "browse/StripGridPage.h"
#include "browse/ToolRow.h"
#include "browse/UiFont.h"
#include "panes/ItemDetailPanes.h"
#include "panes/MonsterPane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
constexpr int kIngredientGridWidth = 440;
constexpr int kDropPaneHeight = 232;
// The sources keep room for a monster's level and name; a narrower page scrolls.
constexpr int kSourcesMinimumWidth = 240;

QVector<GridColumn> ingredientColumns(bool quantityTitleCentred)
{
    const QFont cell = uiFont(kSansSerif, 13, true);
    QVector<GridColumn> columns;
    GridColumn icon = gridColumn(QStringLiteral("icon"), QString(), 40);
    icon.titleFont = uiFont(kTahoma, 13, true);
    columns.append(icon);
    GridColumn quantity = gridColumn(QStringLiteral("quantity"), QStringLiteral("Quantity"));
    quantity.font = cell;
    if (!quantityTitleCentred)
        quantity.titleAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    columns.append(quantity);
    GridColumn name = gridColumn(QStringLiteral("name"), QStringLiteral("Item Name"), 250);
    name.font = cell;
    columns.append(name);
    GridColumn rate = gridColumn(QStringLiteral("rate"), QStringLiteral("Rate"), 50);
    rate.font = cell;
    columns.append(rate);
    return columns;
}
}

IngredientsPage::IngredientsPage(ItemDetailPanes& panes, const IngredientsPageOptions& options, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Recipe header values.
    ToolRow header(QStringLiteral("ToolBar3"), 29, this);
    const struct {
        const char* caption;
        const char* field;
        bool tabFont;
    } values[] = {{"Craft Lvl:", "level", false}, {"NPC Fee:", "npc_fee", false}, {"MP Consume:", "mp", false}, {"Output:", "output", true}};
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            header.separator();
        header.caption(QString::fromLatin1(values[i].caption),
                       values[i].tabFont ? uiFont(kSansSerif, 13, true) : toolCaptionFont());
        DbLabel* value = header.value(panes.recipeInfo(), QString::fromLatin1(values[i].field));
        value->setObjectName(QString::fromLatin1(values[i].field));
        value->setContentsMargins(4, 0, 4, 0);
    }
    layout->addWidget(header.bar());

    // The grid keeps its width and the sources their minimum; a narrower page scrolls.
    auto* body = new QSplitter(Qt::Horizontal);
    body->setHandleWidth(3);
    body->setChildrenCollapsible(false);
    layout->addWidget(new ScrollingPage(body, this), 1);

    // Ingredient grid; its fixed width leaves the divider nothing to change.
    m_ingredientGrid = new DbGrid(body);
    m_ingredientGrid->setFixedWidth(kIngredientGridWidth);
    m_ingredientGrid->setBaseFont(uiFont(kSansSerif, 27, true));
    m_ingredientGrid->setTitleRow(true);
    m_ingredientGrid->setTitleFont(uiFont(kSansSerif, 13, true));
    m_ingredientGrid->setColumnResize(options.resizableColumns);
    m_ingredientGrid->setRowSelect(options.rowSelect);
    m_ingredientGrid->setHint(QStringLiteral("Click to view drop/spoil info"));
    m_ingredientGrid->setColumns(ingredientColumns(options.quantityTitleCentred));
    m_ingredientGrid->setIconColumn(0, options.exeFolder);
    m_ingredientGrid->setDataset(panes.ingredients());
    body->addWidget(m_ingredientGrid);

    auto* sources = new QWidget(body);
    sources->setMinimumWidth(kSourcesMinimumWidth);
    auto* sourcesLayout = new QVBoxLayout(sources);
    sourcesLayout->setContentsMargins(0, 0, 0, 0);
    sourcesLayout->setSpacing(0);
    body->addWidget(sources);
    body->setStretchFactor(1, 1);

    const QFont stripFont = uiFont(kTahoma, 13, true);
    sourcesLayout->addWidget(paneCaption(QStringLiteral("Ingredients Drops"), sources));
    m_dropStrip = new HeaderStrip(sources);
    m_dropStrip->setFont(stripFont);
    sourcesLayout->addWidget(m_dropStrip);

    auto* sourcesSplitter = new QSplitter(Qt::Vertical, sources);
    sourcesSplitter->setHandleWidth(4);
    sourcesSplitter->setChildrenCollapsible(false);
    sourcesLayout->addWidget(sourcesSplitter, 1);

    m_dropGrid = new DbGrid(sourcesSplitter);
    setUpMonsterPane(*m_dropGrid, panes.ingredientDrops(), monsterPaneColumns(false, 62));
    sourcesSplitter->addWidget(m_dropGrid);

    // The spoils pane holds its own caption and strip; the drops' stand above the divider.
    auto* spoils = new StripGridPage(QStringLiteral("Ingredients Spoils"), HeaderStrip::FirstSectionSorts, sourcesSplitter);
    m_spoilStrip = spoils->strip();
    m_spoilStrip->setFont(stripFont);
    m_spoilGrid = spoils->grid();
    setUpMonsterPane(*m_spoilGrid, panes.ingredientSpoils(), monsterPaneColumns(false, options.spoilChanceWidth));
    m_dropStrip->setGrid(m_dropGrid);
    sourcesSplitter->addWidget(spoils);
    sourcesSplitter->setStretchFactor(0, 0);
    sourcesSplitter->setStretchFactor(1, 1);
    sourcesSplitter->setSizes({kDropPaneHeight, 10000});
}

DbGrid* IngredientsPage::ingredientGrid() const { return m_ingredientGrid; }
DbGrid* IngredientsPage::dropGrid() const { return m_dropGrid; }
DbGrid* IngredientsPage::spoilGrid() const { return m_spoilGrid; }
HeaderStrip* IngredientsPage::dropStrip() const { return m_dropStrip; }
HeaderStrip* IngredientsPage::spoilStrip() const { return m_spoilStrip; }

void IngredientsPage::fillStrips()
{
    m_dropStrip->fill();
    m_spoilStrip->fill();
}

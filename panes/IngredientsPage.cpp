#include "panes/IngredientsPage.h"

#include "browse/DbGrid.h"
#include "browse/DbLabel.h"
#include "browse/HeaderStrip.h"
#include "browse/UiFont.h"
#include "panes/ItemDetailPanes.h"
#include "panes/MonsterPane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int kIngredientGridWidth = 440;
constexpr int kDropPaneHeight = 232;

QLabel* caption(const QString& text, const QFont& font, QWidget* parent, const QColor& color = Qt::black)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
    return label;
}

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
    m_toolBar = new QToolBar(this);
    m_toolBar->setFixedHeight(29);
    m_toolBar->setMovable(false);
    const QFont captionFont = uiFont(kTahoma, 13, true);
    const struct {
        const char* caption;
        const char* field;
        bool tabFont;
    } values[] = {{"Craft Lvl:", "level", false}, {"NPC Fee:", "npc_fee", false}, {"MP Consume:", "mp", false}, {"Output:", "output", true}};
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            m_toolBar->addSeparator();
        m_toolBar->addWidget(caption(QString::fromLatin1(values[i].caption),
                                     values[i].tabFont ? uiFont(kSansSerif, 13, true) : captionFont, m_toolBar));
        m_values[i] = new DbLabel(m_toolBar);
        m_values[i]->setContentsMargins(4, 0, 4, 0);
        m_values[i]->bind(panes.recipeInfo(), QString::fromLatin1(values[i].field));
        m_toolBar->addWidget(m_values[i]);
    }
    layout->addWidget(m_toolBar);

    auto* body = new QSplitter(Qt::Horizontal, this);
    body->setHandleWidth(3);
    body->setChildrenCollapsible(false);
    layout->addWidget(body, 1);

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
    auto* sourcesLayout = new QVBoxLayout(sources);
    sourcesLayout->setContentsMargins(0, 0, 0, 0);
    sourcesLayout->setSpacing(0);
    body->addWidget(sources);
    body->setStretchFactor(1, 1);

    const QFont paneCaption = uiFont(kTahoma, 13, true);
    const QFont stripFont = uiFont(kTahoma, 13, true);
    sourcesLayout->addWidget(caption(QStringLiteral("Ingredients Drops"), paneCaption, sources, Qt::blue));
    m_dropStrip = new HeaderStrip(sources);
    m_dropStrip->setFont(stripFont);
    sourcesLayout->addWidget(m_dropStrip);

    m_sourcesSplitter = new QSplitter(Qt::Vertical, sources);
    m_sourcesSplitter->setHandleWidth(4);
    m_sourcesSplitter->setChildrenCollapsible(false);
    sourcesLayout->addWidget(m_sourcesSplitter, 1);

    m_dropGrid = new DbGrid(m_sourcesSplitter);
    setUpMonsterPane(*m_dropGrid, panes.ingredientDrops(), monsterPaneColumns(false, 62));
    m_sourcesSplitter->addWidget(m_dropGrid);

    auto* spoils = new QWidget(m_sourcesSplitter);
    auto* spoilsLayout = new QVBoxLayout(spoils);
    spoilsLayout->setContentsMargins(0, 0, 0, 0);
    spoilsLayout->setSpacing(0);
    spoilsLayout->addWidget(caption(QStringLiteral("Ingredients Spoils"), paneCaption, spoils, Qt::blue));
    m_spoilStrip = new HeaderStrip(spoils);
    m_spoilStrip->setFont(stripFont);
    spoilsLayout->addWidget(m_spoilStrip);
    m_spoilGrid = new DbGrid(spoils);
    setUpMonsterPane(*m_spoilGrid, panes.ingredientSpoils(), monsterPaneColumns(false, options.spoilChanceWidth));
    m_dropStrip->setGrid(m_dropGrid);
    m_spoilStrip->setGrid(m_spoilGrid);
    spoilsLayout->addWidget(m_spoilGrid, 1);
    m_sourcesSplitter->addWidget(spoils);
    m_sourcesSplitter->setStretchFactor(0, 0);
    m_sourcesSplitter->setStretchFactor(1, 1);
    m_sourcesSplitter->setSizes({kDropPaneHeight, 10000});
}

QToolBar* IngredientsPage::toolBar() const { return m_toolBar; }
DbGrid* IngredientsPage::ingredientGrid() const { return m_ingredientGrid; }
DbGrid* IngredientsPage::dropGrid() const { return m_dropGrid; }
DbGrid* IngredientsPage::spoilGrid() const { return m_spoilGrid; }
HeaderStrip* IngredientsPage::dropStrip() const { return m_dropStrip; }
HeaderStrip* IngredientsPage::spoilStrip() const { return m_spoilStrip; }
DbLabel* IngredientsPage::levelValue() const { return m_values[0]; }
DbLabel* IngredientsPage::npcFeeValue() const { return m_values[1]; }
DbLabel* IngredientsPage::mpValue() const { return m_values[2]; }
DbLabel* IngredientsPage::outputValue() const { return m_values[3]; }
QSplitter* IngredientsPage::sourcesSplitter() const { return m_sourcesSplitter; }

void IngredientsPage::fillStrips()
{
    m_dropStrip->fill();
    m_spoilStrip->fill();
}

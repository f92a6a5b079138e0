#include "panes/CraftingTreePage.h"

#include "browse/HandlerGuard.h"
#include "browse/StripGridPage.h"
#include "browse/ToolRow.h"
#include "browse/UiFont.h"
#include "browse/WrapBar.h"
#include "crafting/PlanTotals.h"
#include "panes/CraftingTreeView.h"
#include "panes/LocateRequests.h"
#include "panes/RawMaterialsView.h"

#include <QLabel>
#include <QLocale>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
constexpr int kMostCrafts = 99999;
// The tree takes this share of the page's height when the page first shows.
constexpr int kTreeShare = 3;
constexpr int kTotalsShare = 2;
// Four rows of the tree and three of the raw materials stay in view; a lower page scrolls.
constexpr int kTreeMinimumHeight = 160;
constexpr int kRawMinimumHeight = 130;

// A total: red bold, like the recipe values.
QLabel* totalLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(uiFont(kSansSerif, 13, true));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(p);
    label->setContentsMargins(0, 0, 4, 0);
    return label;
}

// "1 craft", "3 crafts".
QString counted(qint64 n, const QString& thing)
{
    return QLocale::c().toString(n) + QLatin1Char(' ') + thing + (n == 1 ? QString() : QStringLiteral("s"));
}

QWidget* column(QWidget* parent, std::initializer_list<QWidget*> parts, QWidget* stretching)
{
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QWidget* part : parts) {
        part->setParent(box);
        layout->addWidget(part, part == stretching ? 1 : 0);
    }
    return box;
}
} // namespace

CraftingTreePage::CraftingTreePage(Connection& connection, NavigationHost& host, const QString& exeFolder,
                                   QWidget* parent)
    : QWidget(parent), m_connection(connection), m_host(host)
{
    setObjectName(QStringLiteral("CraftingTreePage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("CraftingSplitter"));
    split->setHandleWidth(6);
    split->setChildrenCollapsible(false);
    layout->addWidget(split);

    // Titles name what they total; a long item name is cut rather than widening the page.
    m_title = paneCaption(QStringLiteral("Crafting Tree"), nullptr);
    m_title->setObjectName(QStringLiteral("CraftingTitle"));
    m_title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_tree = new CraftingTreeView(exeFolder);
    m_tree->setMinimumHeight(kTreeMinimumHeight);
    split->addWidget(column(split, {m_title, m_tree}, m_tree));

    auto* totals = new WrapBar;
    totals->setObjectName(QStringLiteral("CraftingTotals"));
    m_crafts = new QSpinBox;
    // Each count rebuilds the plan: a typed number counts once it is whole.
    m_crafts->setKeyboardTracking(false);
    m_crafts->setObjectName(QStringLiteral("CraftCount"));
    m_crafts->setRange(1, kMostCrafts);
    m_crafts->setFont(uiFont(kTahoma, 13));
    m_crafts->setToolTip(QStringLiteral("How many times the recipe is crafted"));
    totals->addCaptioned(QStringLiteral("Crafts:"), toolCaptionFont(), m_crafts);
    m_fee = totalLabel(QStringLiteral("TotalNpcFee"), totals);
    totals->addCaptioned(QStringLiteral("NPC Fee:"), toolCaptionFont(), m_fee);
    m_mp = totalLabel(QStringLiteral("TotalMp"), totals);
    totals->addCaptioned(QStringLiteral("MP Consume:"), toolCaptionFont(), m_mp);
    m_rawTitle = paneCaption(QStringLiteral("Raw Materials"), nullptr);
    m_rawTitle->setObjectName(QStringLiteral("RawMaterialsTitle"));
    m_rawTitle->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_raw = new RawMaterialsView(exeFolder);
    m_raw->setMinimumHeight(kRawMinimumHeight);
    split->addWidget(column(split, {totals, m_rawTitle, m_raw}, m_raw));
    split->setStretchFactor(0, kTreeShare);
    split->setStretchFactor(1, kTotalsShare);
    split->setSizes({kTreeShare * 1000, kTotalsShare * 1000});

    connect(m_crafts, QOverload<int>::of(&QSpinBox::valueChanged), this, guardedSlot([this](int) { refresh(); }));
    connect(m_tree, &CraftingTreeView::recipePicked, this, guardedSlot([this](qint64 item, qint64 rate) { pickRecipe(item, rate); }));
    connect(m_tree, &CraftingTreeView::recipeOpened, this, guardedSlot([this](qint64 item, qint64 rate) {
                openRecipe(m_host, QString::number(item), QString::number(rate));
            }));
    connect(m_raw, &RawMaterialsView::monsterOpened, this,
            guardedSlot([this](const QString& monster) { openMonster(m_host, monster); }));
}

void CraftingTreePage::showRecipe(const QString& itemId, const QString& rate)
{
    m_itemId = itemId;
    m_rate = rate;
    m_stale = true;
    if (isVisible())
        refresh();
}

void CraftingTreePage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    guarded([this] {
        if (m_stale)
            refresh();
    });
}

void CraftingTreePage::pickRecipe(qint64 item, qint64 rate)
{
    m_choices.insert(item, rate);
    refresh();
}

void CraftingTreePage::refresh()
{
    bool itemOk = false, rateOk = false;
    const qint64 item = m_itemId.toLongLong(&itemOk);
    const qint64 rate = m_rate.toLongLong(&rateOk);
    PlanTotals totals;
    if (itemOk && rateOk) {
        RecipeBook book(m_connection);
        m_plan = CraftingPlan::build(book, item, rate, m_crafts->value(), m_choices);
        totals = PlanTotals::of(m_plan, book);
    } else {
        m_plan = CraftingPlan();
    }
    m_stale = false;

    const QLocale c = QLocale::c();
    if (m_plan.isEmpty()) {
        m_title->setText(QStringLiteral("Crafting Tree"));
        m_rawTitle->setText(QStringLiteral("Raw Materials"));
    } else {
        // One pass of arguments: an item name may hold a percent sign and a digit.
        const PlanNode& root = m_plan.root();
        m_title->setText(QStringLiteral("Crafting Tree: %1 at %2%, %3 deep%4")
                             .arg(root.facts.shownName(root.item), QString::number(root.rate),
                                  counted(m_plan.depth(), QStringLiteral("level")),
                                  m_plan.cut() ? QStringLiteral(" (cut: too large to follow whole)") : QString()));
        m_rawTitle->setText(QStringLiteral("Raw Materials for %1 (%2 in all)")
                                .arg(counted(root.crafts, QStringLiteral("craft")), counted(totals.crafts, QStringLiteral("craft"))));
    }
    m_fee->setText(m_plan.isEmpty() ? QString() : c.toString(totals.npcFee));
    m_mp->setText(m_plan.isEmpty() ? QString() : c.toString(totals.mp));
    m_tree->showPlan(m_plan);
    m_raw->showTotals(totals);
}

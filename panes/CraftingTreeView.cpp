#include "panes/CraftingTreeView.h"

#include "browse/HandlerGuard.h"
#include "browse/IconCell.h"
#include "browse/TreeList.h"
#include "browse/UiFont.h"
#include "crafting/CraftingPlan.h"

#include <QComboBox>
#include <QLocale>

namespace {
constexpr int kItemRole = Qt::UserRole;
constexpr int kRateRole = Qt::UserRole + 1;

QString count(qint64 n) { return QLocale::c().toString(n); }

QString rateText(qint64 rate) { return QStringLiteral("%1%").arg(rate); }

// In the order of CraftingTreeView::Column.
const QVector<TreeListColumn>& columns()
{
    constexpr Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    static const QVector<TreeListColumn> all = {
        {QStringLiteral("Needed"), 70, number}, {QStringLiteral("Item Name"), 300},
        {QStringLiteral("Crafts"), 60, number}, {QStringLiteral("Rate"), 70, number},
        {QStringLiteral("Left Over"), 70, number}, {QStringLiteral("Note"), 260}};
    return all;
}
} // namespace

CraftingTreeView::CraftingTreeView(const QString& exeFolder, QWidget* parent)
    : QTreeWidget(parent), m_exeFolder(exeFolder.isEmpty() ? defaultExeFolder() : exeFolder)
{
    setObjectName(QStringLiteral("CraftingTree"));
    setUpTreeList(*this, columns(), uiFont(kSansSerif, 13, true),
                  QStringLiteral("Dbl-click a crafted item to view its recipe"));
    setTreePosition(NameColumn);
    connect(this, &QTreeWidget::itemDoubleClicked, this, guardedSlot([this](QTreeWidgetItem* row, int) {
                if (row && row->data(NameColumn, kRateRole).isValid())
                    emit recipeOpened(row->data(NameColumn, kItemRole).toLongLong(),
                                      row->data(NameColumn, kRateRole).toLongLong());
            }));
}

QString CraftingTreeView::noteOf(const PlanNode& node)
{
    QStringList notes;
    switch (node.kind) {
    case PlanNode::Raw: notes << QStringLiteral("raw material"); break;
    case PlanNode::Loop: notes << QStringLiteral("loop: crafted above, not followed"); break;
    case PlanNode::Cut: notes << QStringLiteral("not followed: the tree is too large"); break;
    case PlanNode::Crafted:
        if (node.output > 1)
            notes << QStringLiteral("%1 per craft").arg(count(node.output));
        if (node.fromLeftOvers > 0)
            notes << QStringLiteral("%1 from left-overs").arg(count(node.fromLeftOvers));
        if (node.outputMissing)
            notes << QStringLiteral("output not set: 1 per craft counted");
        if (node.noIngredients())
            notes << QStringLiteral("the recipe lists no ingredients");
        break;
    }
    if (!node.facts.named)
        notes << QStringLiteral("not in the item list");
    return notes.join(QStringLiteral("; "));
}

QTreeWidgetItem* CraftingTreeView::addRow(const PlanNode& node, QTreeWidgetItem* parent, bool isRoot)
{
    auto* row = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    row->setText(NameColumn, node.facts.shownName(node.item));
    row->setIcon(NameColumn, iconCellPixmap(m_exeFolder, node.facts.icon, m_pictures));
    row->setData(NameColumn, kItemRole, node.item);
    row->setText(NeededColumn, count(node.needed));
    row->setText(NoteColumn, noteOf(node));
    row->setToolTip(NoteColumn, row->text(NoteColumn));
    alignTreeRow(*row, columns());
    if (node.kind == PlanNode::Crafted) {
        row->setData(NameColumn, kRateRole, node.rate);
        row->setText(CraftsColumn, count(node.crafts));
        row->setText(LeftOverColumn, node.leftOver > 0 ? count(node.leftOver) : QString());
        row->setText(RateColumn, rateText(node.rate));
    }
    if (node.kind == PlanNode::Loop) {
        QFont marked = font();
        marked.setItalic(true);
        for (int column = NeededColumn; column <= NoteColumn; ++column)
            row->setFont(column, marked);
    }
    for (const PlanNode& child : node.children)
        addRow(child, row, false);

    // The root is the recipe the window shows; other items made by several recipes offer them.
    if (!isRoot && node.kind == PlanNode::Crafted && node.hasChoice()) {
        row->setText(RateColumn, QString());
        auto* choice = new QComboBox;
        choice->setObjectName(QStringLiteral("RecipeChoice%1").arg(node.item));
        choice->setToolTip(QStringLiteral("Recipes of this item: pick the one to follow"));
        for (qint64 rate : node.rates)
            choice->addItem(rateText(rate), rate);
        choice->setCurrentIndex(choice->findData(node.rate));
        const qint64 item = node.item;
        connect(choice, QOverload<int>::of(&QComboBox::activated), this, guardedSlot([this, choice, item](int index) {
            const qint64 rate = choice->itemData(index).toLongLong();
            // The pick rebuilds the tree this box sits in: after the box's own signal has ended.
            QMetaObject::invokeMethod(this, guardedSlot([this, item, rate] { emit recipePicked(item, rate); }),
                                      Qt::QueuedConnection);
        }));
        setItemWidget(row, RateColumn, choice);
    }
    return row;
}

void CraftingTreeView::showPlan(const CraftingPlan& plan)
{
    clear();
    if (plan.isEmpty())
        return;
    addRow(plan.root(), nullptr, true);
    expandAll();
}

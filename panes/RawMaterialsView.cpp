#include "panes/RawMaterialsView.h"

#include "browse/HandlerGuard.h"
#include "browse/IconCell.h"
#include "browse/TreeList.h"
#include "browse/UiFont.h"
#include "crafting/PlanTotals.h"
#include "data/FloatText.h"

#include <QLocale>

namespace {
constexpr int kMonsterRole = Qt::UserRole;
constexpr Qt::Alignment kNumber = Qt::AlignRight | Qt::AlignVCenter;

// In the order of RawMaterialsView::Column; the quantity's column holds the picture too.
const QVector<TreeListColumn>& columns()
{
    static const QVector<TreeListColumn> all = {
        {QStringLiteral("Quantity"), 40 + 70, kNumber}, {QStringLiteral("Item Name"), 220},
        {QStringLiteral("Best Source"), 200},           {QStringLiteral("Lvl"), 35, kNumber},
        {QStringLiteral("Chance"), 60, kNumber},        {QStringLiteral("How"), 50, Qt::AlignCenter},
        {QStringLiteral("Note"), 200}};
    return all;
}
} // namespace

RawMaterialsView::RawMaterialsView(const QString& exeFolder, QWidget* parent)
    : QTreeWidget(parent), m_exeFolder(exeFolder.isEmpty() ? defaultExeFolder() : exeFolder)
{
    setObjectName(QStringLiteral("RawMaterials"));
    setUpTreeList(*this, columns(), uiFont(kSansSerif, 13), QStringLiteral("Dbl-click to view monster info"));
    setRootIsDecorated(false);
    connect(this, &QTreeWidget::itemDoubleClicked, this, guardedSlot([this](QTreeWidgetItem* row, int) {
                if (row && row->data(SourceColumn, kMonsterRole).isValid())
                    emit monsterOpened(row->data(SourceColumn, kMonsterRole).toString());
            }));
}

void RawMaterialsView::showTotals(const PlanTotals& totals)
{
    clear();
    for (const RawNeed& need : totals.raw) {
        auto* row = new QTreeWidgetItem(this);
        row->setText(NameColumn, need.facts.shownName(need.item));
        row->setIcon(QuantityColumn, iconCellPixmap(m_exeFolder, need.facts.icon, m_pictures));
        row->setText(QuantityColumn, QLocale::c().toString(need.quantity));
        if (need.source) {
            row->setText(SourceColumn, need.source->name);
            row->setData(SourceColumn, kMonsterRole, QString::number(need.source->monster));
            row->setText(LevelColumn, QString::number(need.source->level));
            row->setText(ChanceColumn, floatText(need.source->chance));
            row->setText(HowColumn, need.source->spoil ? QStringLiteral("Spoil") : QStringLiteral("Drop"));
        } else {
            row->setText(SourceColumn, QStringLiteral("no monster gives it"));
        }
        QStringList notes;
        if (need.loop)
            notes << QStringLiteral("loop: also crafted in this tree");
        if (need.cut)
            notes << QStringLiteral("its recipe is not followed");
        if (!need.facts.named)
            notes << QStringLiteral("not in the item list");
        row->setText(NoteColumn, notes.join(QStringLiteral("; ")));
        alignTreeRow(*row, columns());
    }
}

#include "panes/RawMaterialsView.h"

#include "browse/HandlerGuard.h"
#include "browse/IconCell.h"
#include "browse/UiFont.h"
#include "crafting/PlanTotals.h"
#include "data/FloatText.h"

#include <QHeaderView>
#include <QLocale>

namespace {
constexpr int kMonsterRole = Qt::UserRole;
}

RawMaterialsView::RawMaterialsView(const QString& exeFolder, QWidget* parent)
    : QTreeWidget(parent), m_exeFolder(exeFolder.isEmpty() ? defaultExeFolder() : exeFolder)
{
    setObjectName(QStringLiteral("RawMaterials"));
    setFont(uiFont(kSansSerif, 13));
    header()->setFont(uiFont(kTahoma, 13, true));
    setHeaderLabels({QStringLiteral("Quantity"), QStringLiteral("Item Name"), QStringLiteral("Best Source"),
                     QStringLiteral("Lvl"), QStringLiteral("Chance"), QStringLiteral("How"), QStringLiteral("Note")});
    for (int column = QuantityColumn; column <= HowColumn; ++column)
        headerItem()->setTextAlignment(column, Qt::AlignCenter);
    headerItem()->setTextAlignment(NameColumn, Qt::AlignLeft | Qt::AlignVCenter);
    setRootIsDecorated(false);
    setIconSize(QSize(kIconPictureSize, kIconPictureSize));
    setColumnWidth(QuantityColumn, 40 + 70);
    setColumnWidth(NameColumn, 220);
    setColumnWidth(SourceColumn, 200);
    setColumnWidth(LevelColumn, 35);
    setColumnWidth(ChanceColumn, 60);
    setColumnWidth(HowColumn, 50);
    setColumnWidth(NoteColumn, 200);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setToolTip(QStringLiteral("Dbl-click to view monster info"));
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
        for (int column : {QuantityColumn, LevelColumn, ChanceColumn})
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(HowColumn, Qt::AlignCenter);
    }
}

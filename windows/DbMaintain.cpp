#include "windows/DbMaintain.h"

#include "browse/DbLookupPicker.h"
#include "browse/EditGrid.h"
#include "browse/HandlerGuard.h"
#include "browse/NameSearch.h"
#include "browse/NamedQuery.h"
#include "browse/UiFont.h"
#include "data/DBModule.h"
#include "data/Dataset.h"
#include "windows/DbMaintainColumns.h"
#include "windows/DbMaintainPanels.h"
#include "windows/DbMaintainStatements.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

using namespace dbmaintain;

namespace {
constexpr int kSplitterHandle = 3;

QTabWidget* pageControl(const QString& name, QWidget* parent)
{
    auto* pages = new QTabWidget(parent);
    pages->setObjectName(name);
    pages->tabBar()->setFont(uiFont(kSansSerif, 13, true));
    pages->setDocumentMode(false);
    return pages;
}

QWidget* column(QWidget* parent, QVBoxLayout*& layout)
{
    auto* page = new QWidget(parent);
    layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return page;
}

// A master grid filling the page over a splitter, the bottom part of the given height.
QSplitter* masterOverDetail(QWidget* top, QWidget* bottom, int bottomHeight, QWidget* parent)
{
    auto* splitter = new QSplitter(Qt::Vertical, parent);
    splitter->setHandleWidth(kSplitterHandle);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(top);
    splitter->addWidget(bottom);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({10000, bottomHeight});
    return splitter;
}
} // namespace

TDbMaintainForm::TDbMaintainForm(NavigationHost&, TDBModule& db, QWidget* parent) : QWidget(parent), m_db(db)
{
    setObjectName(QStringLiteral("DbMaintainForm"));
    setWindowTitle(QStringLiteral("DB-List Maintainance"));
    setFont(uiFont(kSansSerif, 11));
    resize(696, 510);

    Connection& c = db.ADOConnection1;
    m_itemNames = namedTable(c, QStringLiteral("ADOItemsName"), itemNamesTable(), this);
    m_items = namedTable(c, QStringLiteral("ADOItemsDetail"), itemsTable(), this);
    m_items->setMasterLink(m_itemNames, QStringLiteral("id"), QStringLiteral("id"));
    m_sets = namedTable(c, QStringLiteral("SetsName"), setsTable(), this);
    m_setPieces = namedTable(c, QStringLiteral("SetsDetails"), setItemsTable(), this);
    m_setPieces->setMasterLink(m_sets, QStringLiteral("id"), QStringLiteral("set_id"));
    m_monsterNames = namedTable(c, QStringLiteral("ADOMonstersName"), npcNamesTable(), this);
    m_monsters = namedTable(c, QStringLiteral("ADOMonsters"), monstersTable(), this);
    m_monsters->setMasterLink(m_monsterNames, QStringLiteral("id"), QStringLiteral("id"));
    m_drops = namedQuery(c, QStringLiteral("QueryDrops"), maintainDropsSql(), this);
    m_drops->setUpdateTable(dropsTable());
    // The drops follow the monster through its after-scroll: a changed drop is posted first.
    m_monsterNames->addDependent(*m_drops);
    m_itemPick = namedQuery(c, QStringLiteral("ADOItems"), itemPickSql(), this);
    m_armorPick = namedQuery(c, QStringLiteral("QueryArmor"), armorPickSql(), this);
    m_weaponPick = namedQuery(c, QStringLiteral("QueryWeapons"), weaponPickSql(), this);
    m_itemKinds = namedQuery(c, QStringLiteral("ItemKinds"), itemKindsSql(), this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // A copy of a Jet file: every grid browses, no navigator edits, and the window says why.
    if (c.isReadOnly()) {
        setWindowTitle(windowTitle() + QStringLiteral(" (read-only)"));
        layout->addWidget(readOnlyNotice(c.readOnlyReason(), this));
    }
    m_pages = pageControl(QStringLiteral("PageControl1"), this);
    layout->addWidget(m_pages);
    m_pages->addTab(itemsPage(), QStringLiteral("Items Add/Edit"));
    m_pages->addTab(browseListPage(), QStringLiteral("Browse List "));
    m_pages->addTab(setsPage(), QStringLiteral("Sets Add/Edit"));
    m_pages->addTab(monstersPage(), QStringLiteral("Monsters Add/Edit"));
    auto* skills = new QWidget(m_pages);
    skills->setObjectName(QStringLiteral("TabSheet5"));
    m_pages->addTab(skills, QStringLiteral("Skills Add/Edit"));
    m_pages->setCurrentIndex(0);

    m_itemNames->setAfterOpen([this] { ADOItemsNameAfterOpen(); });
    m_monsterNames->setAfterScroll([this] { ADOMonstersNameAfterScroll(); });
    for (Dataset* d : {m_itemNames, m_items, m_sets, m_setPieces, m_monsterNames, m_monsters, m_drops, m_itemPick,
                       m_armorPick, m_weaponPick, m_itemKinds})
        d->open();
    // The drops opened after the monster names: filter them to the first monster now.
    ADOMonstersNameAfterScroll();
}

QWidget* TDbMaintainForm::itemsPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = column(m_pages, layout);
    FindRow find = findRow(QStringLiteral("ToolBar1"), QStringLiteral("Edit2"), QStringLiteral("DBNavigator4"), *m_itemNames, page);
    connect(find.search, &QLineEdit::textChanged, this, guardedSlot([this](const QString& t) { Edit2Change(t); }));
    layout->addWidget(find.bar);

    GridPanel names = gridPanel(QStringLiteral("DBGrid5"), QString(), *m_itemNames, itemNameColumns(), page);
    GridPanel items = gridPanel(QStringLiteral("DBGrid4"), QStringLiteral("DBNavigator5"), *m_items, itemColumns(), page);
    items.grid->setFixedHeight(176);
    // Both write the picked value into the item record, and the type picker lists the item kinds
    // that items.type holds.
    picker(QStringLiteral("DBLookupComboBox2"), items, QStringLiteral("material_type"), m_db.MaterialType,
           QStringLiteral("material_type"), QStringLiteral("material_type"), *m_items, QStringLiteral("material_type"));
    picker(QStringLiteral("DBLookupComboBox5"), items, QStringLiteral("type"), *m_itemKinds, QStringLiteral("type"),
           QStringLiteral("type"), *m_items, QStringLiteral("type"));
    layout->addWidget(masterOverDetail(names.panel, items.panel, 207, page), 1);
    return page;
}

QWidget* TDbMaintainForm::browseListPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = column(m_pages, layout);
    QTabWidget* inner = pageControl(QStringLiteral("PageControl2"), page);
    layout->addWidget(inner);

    GridPanel weapons = gridPanel(QStringLiteral("DBGrid8"), QStringLiteral("DBNavigator8"), m_db.WeaponList, weaponColumns(),
                                  inner, DbNavigator::allButtons());
    DbLookupPicker* type = picker(QStringLiteral("DBLookupComboBox4"), weapons, QStringLiteral("weapon_type"), m_db.WeaponsType,
                                  QStringLiteral("weapon_type"), QStringLiteral("weapon_type"), m_db.WeaponList,
                                  QStringLiteral("weapon_type"));
    type->setMaxVisibleItems(5);
    type->setDropDownWidth(200);
    DbLookupPicker* id = picker(QStringLiteral("DBLookupComboBox6"), weapons, QStringLiteral("id"), *m_weaponPick,
                                QStringLiteral("items.id"), QStringLiteral("name"), m_db.WeaponList, QStringLiteral("id"));
    id->setDropDownWidth(240);
    // Where the design put it, until the grid first lays it over a cell or hides it.
    id->setGeometry(80, 208, 145, 24);
    id->show();
    inner->addTab(weapons.panel, QStringLiteral("Weapon List"));

    QVBoxLayout* armorLayout = nullptr;
    QWidget* armor = column(inner, armorLayout);
    armorLayout->addWidget(idleNavigatorBar(QStringLiteral("ToolBar7"), QStringLiteral("DBNavigator9"), armor));
    armorLayout->addStretch(1);
    inner->addTab(armor, QStringLiteral("Armor List"));
    QVBoxLayout* accessoryLayout = nullptr;
    QWidget* accessories = column(inner, accessoryLayout);
    accessoryLayout->addWidget(idleNavigatorBar(QStringLiteral("ToolBar8"), QStringLiteral("DBNavigator10"), accessories));
    accessoryLayout->addStretch(1);
    inner->addTab(accessories, QStringLiteral("Accesories List"));
    return page;
}

QWidget* TDbMaintainForm::setsPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = column(m_pages, layout);
    FindRow find = findRow(QStringLiteral("ToolBar3"), QStringLiteral("Edit3"), QStringLiteral("DBNavigator6"), *m_sets, page);
    connect(find.search, &QLineEdit::textChanged, this, guardedSlot([this](const QString& t) { Edit3Change(t); }));
    layout->addWidget(find.bar);

    GridPanel sets = gridPanel(QStringLiteral("DBGrid6"), QString(), *m_sets, setColumns(), page);
    // The cell editor is always shown; columns keep their widths.
    sets.grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    sets.grid->setColumnResize(false);
    GridPanel pieces = gridPanel(QStringLiteral("DBGrid7"), QStringLiteral("DBNavigator7"), *m_setPieces, setPieceColumns(), page);
    pieces.grid->setBaseFont(uiFont(kSansSerif, 13));
    pieces.grid->setFont(uiFont(kSansSerif, 13));
    pieces.grid->setTabKeyNavigation(false);
    DbLookupPicker* armor = picker(QStringLiteral("DBLookupComboBox3"), pieces, QStringLiteral("item_id"), *m_armorPick,
                                   QStringLiteral("id"), QStringLiteral("name"), *m_setPieces, QStringLiteral("item_id"));
    itemPickerLook(*armor);
    layout->addWidget(masterOverDetail(sets.panel, pieces.panel, 191, page), 1);
    return page;
}

QWidget* TDbMaintainForm::monstersPage()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = column(m_pages, layout);
    FindRow find = findRow(QStringLiteral("ToolBar4"), QStringLiteral("Edit1"), QStringLiteral("DBNavigator1"), *m_monsterNames, page);
    connect(find.search, &QLineEdit::textChanged, this, guardedSlot([this](const QString& t) { Edit1Change(t); }));
    layout->addWidget(find.bar);

    GridPanel names = gridPanel(QStringLiteral("DBGrid1"), QString(), *m_monsterNames, monsterNameColumns(), page);
    QTabWidget* inner = pageControl(QStringLiteral("PageControl3"), page);
    GridPanel details = gridPanel(QStringLiteral("DBGrid2"), QStringLiteral("DBNavigator3"), *m_monsters, monsterColumns(), inner);
    GridPanel drops = gridPanel(QStringLiteral("DBGrid3"), QStringLiteral("DBNavigator2"), *m_drops, dropColumns(), inner);
    DbLookupPicker* item = picker(QStringLiteral("DBLookupComboBox1"), drops, QStringLiteral("item_id"), *m_itemPick,
                                  QStringLiteral("id"), QStringLiteral("name"), *m_drops, QStringLiteral("item_id"));
    itemPickerLook(*item);
    inner->addTab(details.panel, QStringLiteral("Monster Details"));
    inner->addTab(drops.panel, QStringLiteral("Monster Drop/Spoil"));
    inner->setCurrentIndex(1);
    layout->addWidget(masterOverDetail(names.panel, inner, 239, page), 1);
    return page;
}

QVector<Dataset*> TDbMaintainForm::editedDatasets() const
{
    QVector<Dataset*> edited;
    for (Dataset* d : {m_itemNames, m_items, &m_db.WeaponList, m_sets, m_setPieces, m_monsterNames, m_monsters, m_drops})
        if (d->isOpen() && d->state() != DatasetState::Browse && d->modified())
            edited << d;
    return edited;
}

void TDbMaintainForm::closeEvent(QCloseEvent* event)
{
    bool close = false;
    guarded([&] { close = FormCloseQuery(); });
    if (close)
        event->accept();
    else
        event->ignore();
}

// --- handlers ------------------------------------------------------------------------------------

void TDbMaintainForm::ADOMonstersNameAfterScroll()
{
    refilter(*m_drops, filterText(QStringLiteral("npc_id = "), m_monsterNames->asText(QStringLiteral("id"))));
}

void TDbMaintainForm::ADOItemsNameAfterOpen() { m_itemNames->setSort(QStringLiteral("name ASC")); }

void TDbMaintainForm::Edit1Change(const QString& text) { quickFind(*m_monsterNames, QStringLiteral("name"), text); }
void TDbMaintainForm::Edit2Change(const QString& text) { quickFind(*m_itemNames, QStringLiteral("name"), text); }
void TDbMaintainForm::Edit3Change(const QString& text) { quickFind(*m_sets, QStringLiteral("name"), text); }

bool TDbMaintainForm::FormCloseQuery()
{
    const QVector<Dataset*> edited = editedDatasets();
    if (edited.isEmpty())
        return true;
    // Closing would drop what the user typed: ask, as any editor does.
    QMessageBox box(QMessageBox::Question, windowTitle(), QStringLiteral("Save the changes to the row being edited?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("CloseWithEdit"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        // A refused post is reported and the window stays open with the row in editing.
        for (Dataset* d : edited)
            d->post();
        return true;
    case QMessageBox::Discard:
        for (Dataset* d : edited)
            d->cancel();
        return true;
    default:
        return false;
    }
}

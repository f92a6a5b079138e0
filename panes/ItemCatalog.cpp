#include "panes/ItemCatalog.h"

#include "browse/DbGrid.h"
#include "browse/HandlerGuard.h"
#include "browse/NamedQuery.h"
#include "browse/StripGridPage.h"
#include "data/Dataset.h"
#include "panes/LocateRequests.h"
#include "panes/NavigationHost.h"
#include "panes/UsedInPage.h"
#include "panes/WindowPlace.h"

#include <utility>

ItemCatalog::ItemCatalog(NavigationHost& host, Connection& connection, const ItemCatalogDefinition& definition,
                         QWidget& form)
    : QObject(&form),
      m_host(host),
      m_typeField(definition.typeField),
      m_typePrefix(definition.typePrefix),
      m_keyField(definition.keyField),
      m_nameField(definition.nameField),
      m_ingredientSpoilsFirst(definition.ingredientSpoilsFirst)
{
    m_list = namedQuery(connection, definition.listName, definition.listSql, this);
    m_types = namedQuery(connection, definition.typeName, definition.typeSql, this);
    m_panes = new ItemDetailPanes(connection, definition.sources, this);
    m_layout = std::make_unique<ItemCatalogLayout>(definition.layout, *m_list, *m_panes, form);
    m_usedIn = new UsedInPage(connection, host, definition.layout.ingredients.exeFolder);
    m_layout->addPage(m_usedIn, QStringLiteral("Used In"));
    auto* place = new WindowPlace(form, definition.kind, *m_list, {QStringLiteral("id")}, definition.nameField);
    // An item the picked type hides is among all types.
    place->setWidening([this] { return m_layout->bars().showAllTypes(); });
    connectHandlers();
}

void ItemCatalog::open()
{
    m_list->open();
    m_types->open();
    m_layout->bars().bindList(*m_list, *m_types, m_typeField, m_typePrefix, m_keyField);
    Dataset* ingredientDrops = &m_panes->ingredientDrops();
    Dataset* ingredientSpoils = &m_panes->ingredientSpoils();
    if (m_ingredientSpoilsFirst)
        std::swap(ingredientDrops, ingredientSpoils);
    m_panes->open({&m_panes->itemDrops(), m_panes->itemSpoils(), &m_panes->ingredients(), &m_panes->recipeInfo(),
                   ingredientDrops, ingredientSpoils});
    m_usedIn->open();
}

void ItemCatalog::formCreate()
{
    consumeItemRequest(m_host, *m_list, QStringLiteral("id"));
    m_layout->fillStrips();
    m_usedIn->fillStrip();
}

void ItemCatalog::connectHandlers()
{
    m_list->setAfterScroll([this] { ListAfterScroll(); });
    m_panes->ingredients().setAfterScroll([this] { ReciepeQueryAfterScroll(); });
    connect(m_layout->listGrid(), &DbGrid::dblClick, this, guardedSlot([this] { DBGrid1DblClick(); }));

    // Every monster pane opens the monster under its current row.
    opensMonsterOnDoubleClick(*m_layout->dropPage()->grid(), m_host);
    if (const StripGridPage* spoils = m_layout->spoilPage())
        opensMonsterOnDoubleClick(*spoils->grid(), m_host);
    opensMonsterOnDoubleClick(*m_layout->ingredients()->dropGrid(), m_host);
    opensMonsterOnDoubleClick(*m_layout->ingredients()->spoilGrid(), m_host);
}

// --- handlers ------------------------------------------------------------------------------------

void ItemCatalog::DBGrid1DblClick() { m_layout->showSources(); }

void ItemCatalog::ListAfterScroll()
{
    const QString id = m_list->asText(QStringLiteral("id"));
    m_panes->showItem(id);
    m_usedIn->showItem(id, m_list->asText(m_nameField));
}

void ItemCatalog::ReciepeQueryAfterScroll() { m_panes->showIngredient(); }


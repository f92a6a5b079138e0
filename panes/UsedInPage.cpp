#include "panes/UsedInPage.h"

#include "browse/DbGrid.h"
#include "browse/GridSetup.h"
#include "browse/NameSearch.h"
#include "browse/NamedQuery.h"
#include "browse/UiFont.h"
#include "data/Dataset.h"
#include "panes/LocateRequests.h"
#include "panes/UsedInStatements.h"

#include <QLabel>

namespace {
QVector<GridColumn> usedInColumns()
{
    const QFont text = uiFont(kSansSerif, 13, true);
    return {gridColumn(QStringLiteral("icon"), QString(), 40),
            gridColumn(QStringLiteral("quantity"), QStringLiteral("Quantity"), kDefaultColumnWidth, text),
            gridColumn(QStringLiteral("name"), QStringLiteral("Makes"), 250, text),
            gridColumn(QStringLiteral("rate"), QStringLiteral("Rate"), 50, text)};
}
} // namespace

UsedInPage::UsedInPage(Connection& connection, NavigationHost& host, const QString& exeFolder, QWidget* parent)
    : StripGridPage(QStringLiteral("Used In"), HeaderStrip::IgnoreIconSection, parent)
{
    setObjectName(QStringLiteral("UsedInPage"));
    // The caption names the item; a long name is cut at the page's edge rather than widening it.
    caption()->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_recipes = namedQuery(connection, QStringLiteral("UsedInQuery"), usedInSql(), this);
    strip()->setObjectName(QStringLiteral("UsedInStrip"));
    strip()->setFont(uiFont(kTahoma, 13, true));
    grid()->setObjectName(QStringLiteral("UsedInGrid"));
    setUpStripGrid(*grid(), *m_recipes, usedInColumns(), uiFont(kSansSerif, 27, true),
                   QStringLiteral("Dbl-click to view the recipe"));
    grid()->setIconColumn(0, exeFolder);
    opensRecipeOnDoubleClick(*grid(), host);
}

Dataset& UsedInPage::recipes() const { return *m_recipes; }

void UsedInPage::open()
{
    m_recipes->open();
    showItem(m_itemId, m_itemName);
}

void UsedInPage::showItem(const QString& itemId, const QString& itemName)
{
    m_itemId = itemId;
    m_itemName = itemName;
    caption()->setText(itemId.isEmpty() ? QStringLiteral("Used In") : QStringLiteral("Used In: %1").arg(itemName));
    if (!m_recipes->isOpen())
        return;
    // An empty id (an empty list) matches no material.
    refilter(*m_recipes, itemId.isEmpty() ? QStringLiteral("material = 0") : filterText(QStringLiteral("material = "), itemId));
}

void UsedInPage::fillStrip() { strip()->fill(); }

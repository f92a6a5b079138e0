#include "browse/BrowseToolBars.h"

#include "browse/DbLookupComboBox.h"
#include "browse/DbNavigator.h"
#include "browse/HandlerGuard.h"
#include "browse/NameSearch.h"
#include "data/Dataset.h"

#include <QLabel>
#include <QPointer>
#include <QToolBar>

namespace {
constexpr int kLeadingGap = 8;
}

BrowseToolBars::BrowseToolBars(const TypeBarOptions& options, QWidget* parent)
    : m_typeRow(QStringLiteral("ToolBar1"), 29, parent)
{
    m_typeRow.gap(kLeadingGap);
    m_typeRow.caption(options.label)->setMinimumWidth(options.labelWidth);
    m_typeRow.separator();
    m_typeList = m_typeRow.add(new DbLookupComboBox(m_typeRow.bar()));
    m_typeList->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_typeList->setFixedWidth(options.listWidth);
    m_typeList->setMinimumHeight(24);
    m_typeList->setFont(options.listFont);
    m_typeList->setDropDownRightAligned(options.dropDownRightAligned);
    m_typeRow.separator();
    m_navigator = m_typeRow.add(new DbNavigator(m_typeRow.bar()));
    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    m_find = std::make_unique<FindBar>(options.findBar, parent);
}

BrowseToolBars::~BrowseToolBars() = default;

void BrowseToolBars::bindList(Dataset& list, Dataset& types, const QString& typeField, const QString& typePrefix,
                              const QString& keyField)
{
    m_list = &list;
    m_typeList->setListSource(types, typeField);
    m_navigator->setDataset(list);
    m_find->bind(list, keyField);
    QPointer<Dataset> target = &list;
    DbLookupComboBox* typeList = m_typeList;
    QObject::connect(m_typeList, &DbLookupComboBox::picked, m_typeList, guardedSlot([target, typePrefix, typeList] {
                         if (target)
                             applyTypeFilter(*target, typePrefix, typeList->text());
                     }));
}

bool BrowseToolBars::showAllTypes()
{
    m_typeList->clearPick();
    if (!m_list || !m_list->isOpen() || !m_list->filtered())
        return false;
    m_list->setFiltered(false);
    return true;
}

QToolBar* BrowseToolBars::typeBar() const { return m_typeRow.bar(); }
QToolBar* BrowseToolBars::findBar() const { return m_find->bar(); }

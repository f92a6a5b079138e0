#include "browse/BrowseToolBars.h"

#include "browse/HandlerGuard.h"
#include "browse/DbLookupComboBox.h"
#include "browse/DbNavigator.h"
#include "browse/NameSearch.h"
#include "browse/UiFont.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

namespace {
QToolBar* toolBar(const char* name, int height, QWidget* parent)
{
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setFixedHeight(height);
    bar->setMovable(false);
    // The leading 8-pixel separator of the design.
    auto* gap = new QWidget(bar);
    gap->setFixedWidth(8);
    bar->addWidget(gap);
    return bar;
}

QLabel* toolLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(uiFont(kTahoma, 13, true));
    return label;
}
}

BrowseToolBars::BrowseToolBars(const TypeBarOptions& options, QWidget* parent)
{
    m_typeBar = toolBar("ToolBar1", 29, parent);
    QLabel* typeLabel = toolLabel(options.label, m_typeBar);
    if (options.labelWidth > 0)
        typeLabel->setFixedWidth(options.labelWidth);
    m_typeBar->addWidget(typeLabel);
    m_typeBar->addSeparator();
    m_typeList = new DbLookupComboBox(m_typeBar);
    m_typeList->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_typeList->setFixedWidth(options.listWidth);
    m_typeList->setMinimumHeight(24);
    m_typeList->setFont(options.listFont);
    m_typeList->setDropDownRightAligned(options.dropDownRightAligned);
    m_typeBar->addWidget(m_typeList);
    m_typeBar->addSeparator();
    m_navigator = new DbNavigator(m_typeBar);
    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    m_typeBar->addWidget(m_navigator);

    m_findBar = toolBar("ToolBar2", 31, parent);
    m_findBar->addWidget(toolLabel(QStringLiteral("Quick Find"), m_findBar));
    m_findBar->addSeparator();
    m_search = new QLineEdit(m_findBar);
    m_search->setObjectName(QStringLiteral("Edit1"));
    m_search->setFixedWidth(183);
    m_search->setMinimumHeight(24);
    m_search->setFont(uiFont(kTahoma, 13));
    m_findBar->addWidget(m_search);
    m_findBar->addSeparator();
    m_clear = new QPushButton(QStringLiteral("clear"), m_findBar);
    m_clear->setObjectName(QStringLiteral("Button1"));
    m_clear->setToolTip(QStringLiteral("Clear field"));
    m_clear->setStatusTip(QStringLiteral("Clear field"));
    m_clear->setFixedSize(43, 24);
    m_clear->setFont(uiFont(kSansSerif, 13));
    m_findBar->addWidget(m_clear);
}

void BrowseToolBars::bindList(Dataset& list, Dataset& types, const QString& typeField, const QString& typePrefix,
                              const QString& keyField)
{
    m_typeList->setListSource(types, typeField);
    m_navigator->setDataset(list);
    DbLookupComboBox* typeList = m_typeList;
    QLineEdit* search = m_search;
    QObject::connect(m_typeList, &DbLookupComboBox::picked, m_typeList, guardedSlot([&list, typePrefix, typeList] {
                         applyTypeFilter(list, typePrefix, typeList->text());
                     }));
    QObject::connect(m_search, &QLineEdit::textChanged, m_search,
                     guardedSlot([&list, keyField](const QString& text) { quickFind(list, keyField, text); }));
    QObject::connect(m_clear, &QPushButton::clicked, m_clear, guardedSlot([&list, search] { clearSearch(*search, list); }));
}

QToolBar* BrowseToolBars::typeBar() const { return m_typeBar; }
DbLookupComboBox* BrowseToolBars::typeList() const { return m_typeList; }
DbNavigator* BrowseToolBars::navigator() const { return m_navigator; }
QToolBar* BrowseToolBars::findBar() const { return m_findBar; }
QLineEdit* BrowseToolBars::search() const { return m_search; }
QPushButton* BrowseToolBars::clear() const { return m_clear; }

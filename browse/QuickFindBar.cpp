#include "browse/QuickFindBar.h"

#include "browse/DbNavigator.h"
#include "browse/UiFont.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

QuickFindBar::QuickFindBar(QWidget* parent, int navigatorWidth)
{
    m_bar = new QToolBar(parent);
    m_bar->setObjectName(QStringLiteral("ToolBar2"));
    m_bar->setFixedHeight(31);
    m_bar->setMovable(false);
    // The leading 8-pixel separator of the design.
    auto* gap = new QWidget(m_bar);
    gap->setFixedWidth(8);
    m_bar->addWidget(gap);

    auto* caption = new QLabel(QStringLiteral("Quick Find"), m_bar);
    caption->setFont(uiFont(kTahoma, 13, true));
    m_bar->addWidget(caption);
    m_bar->addSeparator();
    m_search = new QLineEdit(m_bar);
    m_search->setObjectName(QStringLiteral("Edit1"));
    m_search->setFixedWidth(183);
    m_search->setMinimumHeight(24);
    m_search->setFont(uiFont(kTahoma, 13));
    m_bar->addWidget(m_search);
    m_bar->addSeparator();
    m_clear = new QPushButton(QStringLiteral("clear"), m_bar);
    m_clear->setObjectName(QStringLiteral("Button1"));
    m_clear->setToolTip(QStringLiteral("Clear field"));
    m_clear->setStatusTip(QStringLiteral("Clear field"));
    m_clear->setFixedSize(43, 24);
    m_clear->setFont(uiFont(kSansSerif, 13));
    m_bar->addWidget(m_clear);
    if (navigatorWidth <= 0)
        return;
    m_bar->addSeparator();
    m_navigator = new DbNavigator(m_bar);
    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    m_navigator->setNavigatorWidth(navigatorWidth);
    m_bar->addWidget(m_navigator);
}

QToolBar* QuickFindBar::bar() const { return m_bar; }
QLineEdit* QuickFindBar::search() const { return m_search; }
QPushButton* QuickFindBar::clear() const { return m_clear; }
DbNavigator* QuickFindBar::navigator() const { return m_navigator; }

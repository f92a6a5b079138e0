#include "browse/FindBar.h"

#include "browse/HandlerGuard.h"
#include "browse/NameSearch.h"
#include "data/Dataset.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolBar>

namespace {
constexpr int kLeadingGap = 8;
constexpr int kSearchWidth = 183;
constexpr int kClearWidth = 43;
}

FindBar::FindBar(const FindBarOptions& options, QWidget* parent) : m_row(QStringLiteral("ToolBar2"), 31, parent)
{
    const bool separators = options.separators != FindBarOptions::None;
    if (options.separators == FindBarOptions::LeadingGap)
        m_row.gap(kLeadingGap);
    else if (options.separators == FindBarOptions::LeadingLine)
        m_row.separator();
    m_row.caption(QStringLiteral("Quick Find"));
    if (separators)
        m_row.separator();
    m_search = m_row.add(new QLineEdit(m_row.bar()));
    m_search->setObjectName(QStringLiteral("Edit1"));
    m_search->setFixedWidth(kSearchWidth);
    m_search->setFont(uiFont(kTahoma, 13));
    if (separators)
        m_row.separator();
    m_clear = m_row.add(new QPushButton(QStringLiteral("clear"), m_row.bar()));
    m_clear->setObjectName(QStringLiteral("Button1"));
    m_clear->setToolTip(QStringLiteral("Clear field"));
    m_clear->setStatusTip(QStringLiteral("Clear field"));
    m_clear->setFixedWidth(kClearWidth);
    m_clear->setFont(options.buttonFont);
    if (options.controlHeight > 0) {
        m_search->setMinimumHeight(options.controlHeight);
        m_clear->setFixedHeight(options.controlHeight);
    }
}

void FindBar::bind(Dataset& list, const QString& keyField)
{
    QPointer<Dataset> target = &list;
    QLineEdit* search = m_search;
    QObject::connect(m_search, &QLineEdit::textChanged, m_search, guardedSlot([target, keyField](const QString& text) {
                         if (target)
                             quickFind(*target, keyField, text);
                     }));
    QObject::connect(m_clear, &QPushButton::clicked, m_clear, guardedSlot([target, search] {
                         if (target)
                             clearSearch(*search, *target);
                         else
                             search->clear();
                     }));
}

ToolRow& FindBar::row() { return m_row; }
QToolBar* FindBar::bar() const { return m_row.bar(); }

#include "browse/ToolRow.h"

#include "browse/DbLabel.h"
#include "browse/UiFont.h"

#include <QLabel>
#include <QToolBar>

QFont toolCaptionFont() { return uiFont(kTahoma, 13, true); }

ToolRow::ToolRow(const QString& name, int height, QWidget* parent) : m_bar(new QToolBar(parent))
{
    m_bar->setObjectName(name);
    m_bar->setFixedHeight(height);
    m_bar->setMovable(false);
}

QToolBar* ToolRow::bar() const { return m_bar; }

void ToolRow::gap(int width)
{
    auto* space = new QWidget(m_bar);
    space->setFixedWidth(width);
    m_bar->addWidget(space);
}

void ToolRow::separator() { m_bar->addSeparator(); }

QLabel* ToolRow::caption(const QString& text) { return caption(text, toolCaptionFont()); }

QLabel* ToolRow::caption(const QString& text, const QFont& font)
{
    auto* label = new QLabel(text, m_bar);
    label->setFont(font);
    m_bar->addWidget(label);
    return label;
}

DbLabel* ToolRow::value(Dataset& dataset, const QString& field)
{
    auto* label = new DbLabel(m_bar);
    label->bind(dataset, field);
    m_bar->addWidget(label);
    return label;
}

void ToolRow::addWidget(QWidget* control) { m_bar->addWidget(control); }

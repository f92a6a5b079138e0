#include "browse/WrapBar.h"

#include "browse/RowWrapLayout.h"

#include <QHBoxLayout>
#include <QLabel>

WrapBar::WrapBar(QWidget* parent) : QWidget(parent), m_layout(new RowWrapLayout(this))
{
    m_layout->setContentsMargins(8, 3, 4, 3);
}

void WrapBar::addControl(QWidget* control)
{
    control->setParent(this);
    m_layout->addWidget(control);
}

QLabel* WrapBar::addCaptioned(const QString& caption, const QFont& captionFont, QWidget* control)
{
    auto* piece = new QWidget(this);
    auto* row = new QHBoxLayout(piece);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    auto* label = new QLabel(caption, piece);
    label->setFont(captionFont);
    row->addWidget(label);
    control->setParent(piece);
    row->addWidget(control);
    m_layout->addWidget(piece);
    return label;
}

void WrapBar::addRowBreak() { m_layout->addRowBreak(); }

int WrapBar::rowCount() const { return m_layout->rowCountForWidth(width()); }

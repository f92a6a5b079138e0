#include "browse/ValueStrip.h"

#include "browse/DbLabel.h"

#include <QLabel>

ValueStrip::ValueStrip(int height, const QFont& captionFont, const QFont& valueFont, QWidget* parent)
    : QToolBar(parent), m_captionFont(captionFont), m_valueFont(valueFont)
{
    setFixedHeight(height);
    setMovable(false);
}

DbLabel* ValueStrip::addValue(const QString& caption, Dataset& dataset, const QString& field)
{
    addSeparator();
    auto* label = new QLabel(caption, this);
    label->setFont(m_captionFont);
    // On a tool bar the inherited role would be ButtonText; captions stay black like the window's text.
    label->setForegroundRole(QPalette::WindowText);
    addWidget(label);
    auto* value = new DbLabel(this);
    value->setObjectName(field);
    value->setFont(m_valueFont);
    value->setContentsMargins(0, 0, 4, 0);
    value->bind(dataset, field);
    addWidget(value);
    return value;
}

#include "browse/ValueStrip.h"

#include "browse/DbLabel.h"

ValueStrip::ValueStrip(int rowHeight, const QFont& captionFont, const QFont& valueFont, QWidget* parent)
    : WrapBar(parent), m_captionFont(captionFont), m_valueFont(valueFont)
{
    setMinimumHeight(rowHeight);
}

DbLabel* ValueStrip::addValue(const QString& caption, Dataset& dataset, const QString& field)
{
    auto* value = new DbLabel(this);
    value->setObjectName(field);
    value->setFont(m_valueFont);
    value->setContentsMargins(0, 0, 4, 0);
    addCaptioned(caption, m_captionFont, value);
    value->bind(dataset, field);
    return value;
}

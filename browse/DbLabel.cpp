#include "browse/DbLabel.h"

#include "browse/HandlerGuard.h"
#include "browse/UiFont.h"
#include "data/Dataset.h"

DbLabel::DbLabel(QWidget* parent) : QLabel(parent)
{
    setFont(uiFont(kTahoma, 13, true));
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::red);
    setPalette(p);
    // On a tool bar the inherited role would be ButtonText, which ignores the red.
    setForegroundRole(QPalette::WindowText);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void DbLabel::bind(Dataset& dataset, const QString& field)
{
    disconnect(m_rowsConnection);
    disconnect(m_currentConnection);
    m_dataset = &dataset;
    m_field = field;
    m_rowsConnection = connect(&dataset, &Dataset::rowsChanged, this, guardedSlot([this] { refresh(); }));
    m_currentConnection = connect(&dataset, &Dataset::currentChanged, this, guardedSlot([this] { refresh(); }));
    refresh();
}

void DbLabel::refresh()
{
    const bool hasRow = m_dataset && m_dataset->isOpen() && !m_dataset->isEmpty();
    setText(hasRow ? m_dataset->asText(m_field) : QString());
    adjustSize();
    updateGeometry();
}

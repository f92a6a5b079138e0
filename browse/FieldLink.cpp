#include "browse/FieldLink.h"

#include "browse/HandlerGuard.h"
#include "data/Dataset.h"

FieldLink::FieldLink(QObject* receiver, std::function<void()> changed)
    : m_receiver(receiver), m_changed(std::move(changed))
{
}

void FieldLink::bind(Dataset& dataset, const QString& field)
{
    QObject::disconnect(m_rowsConnection);
    QObject::disconnect(m_currentConnection);
    m_dataset = &dataset;
    m_field = field;
    m_rowsConnection = QObject::connect(&dataset, &Dataset::rowsChanged, m_receiver, guardedSlot([this] { m_changed(); }));
    m_currentConnection = QObject::connect(&dataset, &Dataset::currentChanged, m_receiver, guardedSlot([this] { m_changed(); }));
    m_changed();
}

QString FieldLink::field() const { return m_field; }

QString FieldLink::text() const
{
    const bool hasRow = m_dataset && m_dataset->isOpen() && !m_dataset->isEmpty();
    return hasRow ? m_dataset->asText(m_field) : QString();
}

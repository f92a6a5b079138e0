#include "panes/WindowPlace.h"

#include "data/Dataset.h"

#include <QWidget>

WindowPlace::WindowPlace(QWidget& form, WindowKind kind, Dataset& list, QStringList keyFields,
                         QString nameField)
    : QObject(&form), m_kind(kind), m_list(&list), m_keyFields(std::move(keyFields)),
      m_nameField(std::move(nameField))
{
    setObjectName(QStringLiteral("WindowPlace"));
    connect(&list, &Dataset::currentChanged, this, &WindowPlace::moved);
}

WindowPlace::WindowPlace(QWidget& form, WindowKind kind, Custom custom)
    : QObject(&form), m_kind(kind), m_custom(std::move(custom))
{
    setObjectName(QStringLiteral("WindowPlace"));
}

WindowPlace* WindowPlace::of(const QWidget* form)
{
    return form ? form->findChild<WindowPlace*>(QStringLiteral("WindowPlace"), Qt::FindDirectChildrenOnly)
                : nullptr;
}

PlaceKey WindowPlace::key() const
{
    if (m_custom.key)
        return m_custom.key();
    if (!m_list || !m_list->isOpen() || m_list->isEmpty())
        return {};
    PlaceKey key;
    for (const QString& field : m_keyFields)
        key.append(m_list->asText(field));
    return key;
}

QString WindowPlace::name() const
{
    if (m_custom.name)
        return m_custom.name();
    if (!m_list || !m_list->isOpen() || m_list->isEmpty())
        return {};
    return m_list->asText(m_nameField);
}

bool WindowPlace::show(const PlaceKey& key)
{
    if (m_custom.show)
        return m_custom.show(key);
    if (showInList(key))
        return true;
    return m_widen && !key.isEmpty() && m_widen() && showInList(key);
}

void WindowPlace::jump(const std::function<void()>& move)
{
    const PlaceKey before = key();
    move();
    if (!before.isEmpty() && key() != before)
        emit jumpedFrom(before);
}

bool WindowPlace::showInList(const PlaceKey& key)
{
    if (!m_list || !m_list->isOpen() || key.size() != m_keyFields.size())
        return false;
    if (key == this->key())
        return true;
    QList<int> columns;
    for (const QString& field : m_keyFields)
        columns.append(m_list->fieldIndexOrThrow(field));
    // Keys are whole values: an exact comparison, never the locate's prefix match.
    const int rows = m_list->recordCount();
    for (int position = 0; position < rows; ++position)
{
        bool same = true;
        for (int i = 0; i < columns.size() && same; ++i)
            same = m_list->value(position, columns[i]).toText() == key[i];
        if (same)
{
            m_list->moveTo(position);
            return true;
        }
    }
    return false;
}

QString placeTitle(const QWidget& form)
{
    const WindowPlace* place = WindowPlace::of(&form);
    const QString name = place ? place->name() : QString();
    return name.isEmpty() ? form.windowTitle() : form.windowTitle() + QStringLiteral(" \u2014 ") + name;
}

bool openPlace(NavigationHost& host, WindowKind kind, const PlaceKey& key)
{
    WindowPlace* place = WindowPlace::of(host.openWindow(kind));
    return place && place->show(key);
}

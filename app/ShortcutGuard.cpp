#include "app/ShortcutGuard.h"

#include <QApplication>
#include <QKeyEvent>

ShortcutGuard::ShortcutGuard(QObject* parent) : QObject(parent) {}

void ShortcutGuard::setSequences(const QList<QKeySequence>& sequences)
{
    m_sequences = sequences;
}

bool ShortcutGuard::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    // Under a modal dialog the commands are disabled; the dialog's own controls keep their keys.
    if (QApplication::activeModalWidget())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    if (!m_sequences.contains(pressed))
        return false;
    // Left unaccepted and unseen by the control, the key falls through to the shortcut map.
    key->ignore();
    return true;
}

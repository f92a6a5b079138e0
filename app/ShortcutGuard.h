#pragma once
// Application event filter that keeps the focused control from claiming the frame's command
// shortcuts: a line edit would otherwise take Ctrl+C and Ctrl+A for copy and select-all.

#include <QKeySequence>
#include <QList>
#include <QObject>

class ShortcutGuard : public QObject {
    Q_OBJECT
public:
    explicit ShortcutGuard(QObject* parent = nullptr);

    /// Key sequences that always go to the frame's commands while no modal dialog is up.
    void setSequences(const QList<QKeySequence>& sequences);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> m_sequences;
};

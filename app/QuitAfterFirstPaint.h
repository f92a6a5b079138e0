#pragma once
// Ends the message loop once a window has painted for the first time, so that a benchmark can
// time start-up as a whole process. main() installs it when TAVRIN_QUIT_AFTER_SHOW is set.

#include <QObject>
#include <QPointer>

class QWidget;

class QuitAfterFirstPaint : public QObject {
    Q_OBJECT
public:
    /// Watches every paint of `window` and its children; the application owns this object.
    QuitAfterFirstPaint(QWidget* window, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    bool m_quitting = false;
};

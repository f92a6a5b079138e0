#pragma once
// Application event filter that feeds every wheel event through AppMessage and delivers the
// resulting Up or Down key press in its place.

#include <QObject>

class WheelTranslator : public QObject {
    Q_OBJECT
public:
    explicit WheelTranslator(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

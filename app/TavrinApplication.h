#pragma once
// The application object. An exception escaping any event handler ends up here; its text is
// shown in the error report and the program goes on with the next event.

#include <QApplication>

class TavrinApplication : public QApplication {
    Q_OBJECT
public:
    TavrinApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

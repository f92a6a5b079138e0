#pragma once
// The application object. It installs the error box as the report of every handler of ours,
// which catch their own failures; notify() stays as the last net for anything that slips past.

#include <QApplication>

class TavrinApplication : public QApplication {
    Q_OBJECT
public:
    TavrinApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

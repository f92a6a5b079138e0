#include "app/TavrinApplication.h"

#include "app/ErrorReport.h"
#include "browse/HandlerGuard.h"

#include <exception>

TavrinApplication::TavrinApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Handlers that guard themselves report through the same error box.
    setFailureReport([](const QString& text) { reportError(text); });
}

bool TavrinApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        reportFailure(failure);
    } catch (...) {
        reportError(QStringLiteral("An unknown failure occurred."));
    }
    return false;
}

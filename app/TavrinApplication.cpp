#include "app/TavrinApplication.h"

#include "app/ErrorReport.h"
#include "browse/HandlerGuard.h"
#include "browse/HotTrackStyle.h"

#include <exception>

TavrinApplication::TavrinApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Every handler of ours reports its failures in the platform's error box.
    setFailureReport(showFailure);
    // Tabs of every window track the pointer.
    setStyle(new HotTrackStyle);
}

bool TavrinApplication::notify(QObject* receiver, QEvent* event)
{
    // The last net: handlers of ours catch their own failures; this catches what slips past.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        showFailure(failure);
    } catch (...) {
        reportError(QStringLiteral("An unknown failure occurred."));
    }
    return false;
}

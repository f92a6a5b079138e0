#include "browse/HandlerGuard.h"

#include <QtGlobal>

namespace {
FailureReport g_report = nullptr;
}

FailureReport setFailureReport(FailureReport report)
{
    FailureReport previous = g_report;
    g_report = report;
    return previous;
}

void reportFailure(const QString& text)
{
    if (g_report) {
        g_report(text);
        return;
    }
    qCritical("%s", qPrintable(text));
}

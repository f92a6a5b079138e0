#include "browse/HandlerGuard.h"

#include <QtDebug>

namespace {
FailureReport g_report = nullptr;
}

FailureReport setFailureReport(FailureReport report)
{
    const FailureReport previous = g_report;
    g_report = report;
    return previous;
}

void reportFailure(const QString& text)
{
    if (g_report) {
        g_report(text);
        return;
    }
    qCritical().noquote() << text;
}

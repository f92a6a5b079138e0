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

void reportFailure(const std::exception& failure)
{
    if (g_report) {
        g_report(failure);
        return;
    }
    qCritical().noquote() << QString::fromUtf8(failure.what());
}

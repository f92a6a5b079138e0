#include "app/ErrorReport.h"

#include <QMessageBox>

namespace {
ErrorReporter g_reporter = nullptr;
}

void reportError(const QString& text)
{
    if (g_reporter) {
        g_reporter(text);
        return;
    }
    QMessageBox::critical(nullptr, QStringLiteral("Tavrin"), text);
}

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    ErrorReporter previous = g_reporter;
    g_reporter = reporter;
    return previous;
}

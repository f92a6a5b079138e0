#include "app/ErrorReport.h"

#include "app/DialogFrame.h"
#include "data/DbError.h"

#include <QMessageBox>

namespace {
ErrorReporter g_reporter = nullptr;
}

void reportError(const QString& text, const QString& details)
{
    if (g_reporter) {
        g_reporter(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tavrin"), text, QMessageBox::Ok);
    frameMessageBox(box);
    // The statement and the engine's words are for whoever looks further, not the first glance.
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.exec();
}

void reportNotice(const QString& text)
{
    if (g_reporter) {
        g_reporter(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tavrin"), text, QMessageBox::Ok);
    frameMessageBox(box);
    box.exec();
}

void showFailure(const std::exception& failure)
{
    if (const auto* db = dynamic_cast<const DbError*>(&failure)) {
        reportError(db->message(), db->details());
        return;
    }
    reportError(QString::fromUtf8(failure.what()));
}

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    ErrorReporter previous = g_reporter;
    g_reporter = reporter;
    return previous;
}

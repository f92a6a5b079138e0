#pragma once
// Our handlers run inside the toolkit's event dispatch, which no exception may cross: a guarded
// handler reports its failure with the failure's own text and returns.

#include <QString>

#include <exception>
#include <utility>

/// Receives the text of a failed handler.
using FailureReport = void (*)(const QString& text);

/// Installs where failures go (the application installs its error box at start-up); nullptr
/// restores the default, a critical log message. Returns the previous report.
FailureReport setFailureReport(FailureReport report);

/// Hands the text to the installed report.
void reportFailure(const QString& text);

/// Runs handler(); a failure it throws is reported instead of escaping.
template <typename Handler> void guarded(Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& failure) {
        reportFailure(QString::fromUtf8(failure.what()));
    } catch (...) {
        reportFailure(QStringLiteral("An unknown failure occurred."));
    }
}

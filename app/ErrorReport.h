#pragma once
// The standard error report: a failure's own text in an error box captioned "Tavrin".

#include <QString>

#include <exception>

/// Receives the text of a reported failure instead of the error box (for tests).
using ErrorReporter = void (*)(const QString& text);

/// Shows the text in a modal error box, with `details` (when there are any) in the box's details
/// section; or hands the text to the installed reporter.
void reportError(const QString& text, const QString& details = QString());

/// Shows a warning that is no failure (something the user should know) in a warning box, or
/// hands its text to the installed reporter.
void reportNotice(const QString& text);

/// Reports a caught failure: a database failure's message with its details, any other
/// failure's own text.
void showFailure(const std::exception& failure);

/// Installs a reporter (nullptr restores the error box); returns the previous one.
ErrorReporter setErrorReporter(ErrorReporter reporter);

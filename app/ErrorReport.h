#pragma once
// The standard error report: a failure's own text in an error box captioned "Tavrin".

#include <QString>

/// Receives the text of a reported failure instead of the error box (for tests).
using ErrorReporter = void (*)(const QString& text);

/// Shows the text in a modal error box, or hands it to the installed reporter.
void reportError(const QString& text);

/// Installs a reporter (nullptr restores the error box); returns the previous one.
ErrorReporter setErrorReporter(ErrorReporter reporter);

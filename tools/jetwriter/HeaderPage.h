#pragma once
// Page 0: the file's signature and version, and a block masked with a fixed RC4 key holding the
// code page, the encryption key (none), the password, the sort order and the creation date.

#include "tools/jetwriter/JetFormat.h"

#include <QByteArray>
#include <QDateTime>

namespace jet {

// Throws std::runtime_error for a password the header cannot hold.
QByteArray headerPage(const Format& format, const QDateTime& created, const QString& password);

} // namespace jet

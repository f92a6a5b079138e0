#pragma once
// Page 0: the file's signature and version, and a block masked with a fixed RC4 key holding the
// code page, the encryption key (none), the password (none), the sort order and the creation date.

#include "tools/jetwriter/JetFormat.h"

#include <QByteArray>
#include <QDateTime>

namespace jet {

QByteArray headerPage(const Format& format, const QDateTime& created);

} // namespace jet

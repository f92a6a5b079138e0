#pragma once
// The first page of a Jet file, read before libmdb opens it: which engine wrote it and whether a
// database password protects it. libmdb reads a protected file without asking, so the program
// checks the password itself and refuses such a file rather than go around its owner's lock.

#include <QByteArray>
#include <QString>

struct JetHeader {
    bool isJet = false;     ///< "Standard Jet DB" or "Standard ACE DB" at its place
    int version = -1;       ///< 0 Jet 3, 1 Jet 4, 2 and up the ACE formats
    int pageSize = 0;       ///< 2048 for Jet 3, 4096 for the others
    bool hasPassword = false;

    /// "Jet 3", "Jet 4", "Access 2007" ...
    QString formatName() const;
};

/// Reads the header from the first bytes of a file (at least 0x96 of them for a full answer).
JetHeader readJetHeader(const QByteArray& firstPage);

/// The mask over the header's bytes from 0x18 on (126 of them): the engine's fixed RC4 stream.
QByteArray jetHeaderMask();

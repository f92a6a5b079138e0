#pragma once
// Files found by a name that differs from theirs only in case. The game's database was written
// on a system that ignores case, so a picture named "Sword.BMP" there may be "sword.bmp" on
// the disk. Each folder's names are read once into a map by their case-folded form; the map is
// read again only when the folder changes.

#include <QDateTime>
#include <QHash>
#include <QString>

class CaseFoldedNames {
public:
    /// The existing file or folder whose path differs from `path` only in the case of its last
    /// `depth` components (fewer when the rest exists as it is); empty when there is none. Where
    /// several differ only in case from each other, the first in code-point order wins.
    QString find(const QString& path, int depth = 3);

    /// Folder listings read so far (how often a folder was scanned).
    int scanCount() const { return m_scans; }

private:
    struct Folder {
        QDateTime modified;
        QHash<QString, QString> names; // case-folded -> as on the disk
    };
    const Folder& folder(const QString& dir, const QDateTime& modified);

    QHash<QString, Folder> m_folders;
    int m_scans = 0;
};

#pragma once
// Where the game database is: the file given on the command line, or gd.mdb in the first of the
// usual folders that holds one (beside the executable, the user's data folder, the installed
// demo world).

#include <QString>
#include <QStringList>

struct DatabaseLocation {
    /// The file to open; when no place held one, the first place tried.
    QString file;
    /// Every file looked for, in order.
    QStringList tried;
    bool found() const;
    /// The folder of the file, with its trailing separator: pictures are read from its images/.
    QString folder() const;
};

/// The given file when there is one (found or not: the open reports it), else the first of the
/// folders (each with or without its trailing separator) that holds gd.mdb.
DatabaseLocation locateDatabase(const QString& given, const QStringList& folders);

/// The usual folders: the executable's, the user's data folder, then the demo world installed
/// with the program (../share/tavrin beside the executable's folder).
QStringList usualDatabaseFolders(const QString& exeFolder);

/// The message for a database found in none of the places tried.
QString notFoundAnywhereMessage(const DatabaseLocation& location);

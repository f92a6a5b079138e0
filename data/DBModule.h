#pragma once
// The data module: the application's one connection and the three shared lookup datasets of
// the maintenance window. The grids' data sources over them live with the widgets that show
// them, so the module holds datasets only.

#include "data/Connection.h"
#include "data/Dataset.h"

#include <QString>

class TDBModule {
public:
    TDBModule();
    ~TDBModule();
    TDBModule(const TDBModule&) = delete;
    TDBModule& operator=(const TDBModule&) = delete;

    /// Closes the connection if open, composes the connection string around the executable's
    /// folder (with its trailing separator), opens the connection, then MaterialType,
    /// WeaponsType and WeaponList in that order. The first failure throws DbError and skips
    /// the remaining steps; the connection string stays set so later datasets can retry.
    void DataModuleCreate(const QString& exeFolderWithSeparator);
    /// The same steps over a database file of any name and place.
    void openDatabaseFile(const QString& file);
    /// The same steps over the SQLite copy of another file (a Jet file imported): the copy is
    /// opened read-only, every write is refused with `readOnlyWhy`, and failed reads name
    /// `source`.
    void openImportedCopy(const QString& copy, const QString& source, const QString& readOnlyWhy);
    /// Closes the connection.
    void DataModuleDestroy();

    Connection ADOConnection1;
    Dataset MaterialType;
    Dataset WeaponList;
    Dataset WeaponsType;

private:
    void openWith(const QString& connectionString);
};

/// The application-wide data module; set by the application at start-up.
extern TDBModule* DBModule;

#include "data/DBModule.h"

TDBModule* DBModule = nullptr;

TDBModule::TDBModule() : MaterialType(ADOConnection1), WeaponList(ADOConnection1), WeaponsType(ADOConnection1)
{
    MaterialType.setObjectName(QStringLiteral("MaterialType"));
    MaterialType.setSql(QStringLiteral("select distinct  material_type  from items ORDER BY  material_type "));
    WeaponList.setObjectName(QStringLiteral("WeaponList"));
    WeaponList.setTableName(QStringLiteral("weapons"));
    WeaponsType.setObjectName(QStringLiteral("WeaponsType"));
    WeaponsType.setSql(QStringLiteral("SELECT DISTINCT(weapons.weapon_type) FROM weapons WHERE weapons.weapon_type NOT LIKE "
                                      "'Shields' ORDER BY weapons.weapon_type"));
}

TDBModule::~TDBModule()
{
    // Datasets hold no statement handles after fetching, so the connection closes cleanly.
    MaterialType.close();
    WeaponList.close();
    WeaponsType.close();
    ADOConnection1.close();
}

void TDBModule::DataModuleCreate(const QString& exeFolderWithSeparator)
{
    ADOConnection1.setReadOnly(QString());
    ADOConnection1.setShownFile(QString());
    openWith(Connection::composeConnectionString(exeFolderWithSeparator));
}

void TDBModule::openDatabaseFile(const QString& file)
{
    ADOConnection1.setReadOnly(QString());
    ADOConnection1.setShownFile(QString());
    openWith(Connection::composeConnectionStringForFile(file));
}

void TDBModule::openImportedCopy(const QString& copy, const QString& source, const QString& readOnlyWhy)
{
    if (ADOConnection1.isOpen())
        ADOConnection1.close();
    ADOConnection1.setReadOnly(readOnlyWhy);
    ADOConnection1.setShownFile(source);
    openWith(Connection::composeConnectionStringForFile(copy));
}

void TDBModule::openWith(const QString& connectionString)
{
    if (ADOConnection1.isOpen())
        ADOConnection1.close();
    ADOConnection1.setConnectionString(connectionString);
    ADOConnection1.open();
    MaterialType.open();
    WeaponsType.open();
    WeaponList.open();
}

void TDBModule::DataModuleDestroy()
{
    ADOConnection1.close();
}

// The data module's creation: the order of its steps and what a failure leaves behind.

#include "data/DbError.h"
#include "data/DBModule.h"
#include "tests/data/TestDb.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(DBModule, CreateOpensTheConnectionAndTheThreeSharedDatasets)
{
    TestDb db(standardRows(), QStringLiteral("with blanks in it"));
    TDBModule module;
    module.DataModuleCreate(db.folder());
    EXPECT_TRUE(module.ADOConnection1.isOpen());
    EXPECT_EQ(Connection::dataSourceOf(module.ADOConnection1.connectionString()), db.path());
    ASSERT_TRUE(module.MaterialType.isOpen() && module.WeaponsType.isOpen() && module.WeaponList.isOpen());
    EXPECT_EQ(module.MaterialType.fieldNames(), QStringList{QStringLiteral("material_type")});
    QStringList types;
    for (module.WeaponsType.first(); !module.WeaponsType.eof(); module.WeaponsType.next())
        types << module.WeaponsType.asText(QStringLiteral("weapon_type"));
    EXPECT_EQ(types, (QStringList{QStringLiteral("Hunter's Bow"), QStringLiteral("Staff"), QStringLiteral("Sword")}));
    EXPECT_EQ(module.WeaponList.recordCount(), 5);

    // Creating again closes and reopens the connection.
    module.DataModuleCreate(db.folder());
    EXPECT_TRUE(module.ADOConnection1.isOpen());
    module.DataModuleDestroy();
    EXPECT_FALSE(module.ADOConnection1.isOpen());
}

TEST(DBModule, AFailedCreateSkipsTheRestAndALaterOpenRetries)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    TDBModule module;
    try {
        module.DataModuleCreate(folder);
        FAIL() << "opened a missing file";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Database file not found: ") + folder + QStringLiteral("gd.mdb"));
    }
    EXPECT_FALSE(module.ADOConnection1.isOpen());
    EXPECT_FALSE(module.MaterialType.isOpen());
    EXPECT_FALSE(module.WeaponList.isOpen());
    EXPECT_EQ(Connection::dataSourceOf(module.ADOConnection1.connectionString()), folder + QStringLiteral("gd.mdb"))
        << "the string stays set for later retries";

    // The file turns up; the next dataset that opens opens the connection with that string.
    TestDb db(standardRows());
    ASSERT_TRUE(QFile::copy(db.path(), folder + QStringLiteral("gd.mdb")));
    Dataset late(module.ADOConnection1);
    late.setSql(QStringLiteral("select * from drops"));
    EXPECT_NO_THROW(late.open());
    EXPECT_TRUE(module.ADOConnection1.isOpen());
}

} // namespace

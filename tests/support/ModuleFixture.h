#pragma once
// The fixture world as the program sees it: gd.mdb and images/ in a temporary folder, the one
// data module over it, and every failure a handler reports kept for the test instead of shown.

#include "browse/HandlerGuard.h"
#include "data/DBModule.h"
#include "tools/gendb/Generator.h"

#include <QStringList>
#include <QTemporaryDir>

class ModuleFixture {
public:
    ModuleFixture()
    {
        gen::generateFixture(m_dir.filePath(QStringLiteral("gd.mdb")), m_dir.filePath(QStringLiteral("images")));
        m_db.DataModuleCreate(folder());
        DBModule = &m_db;
        m_previous = setFailureReport(&ModuleFixture::record);
    }
    ~ModuleFixture()
    {
        setFailureReport(m_previous);
        DBModule = nullptr;
    }
    ModuleFixture(const ModuleFixture&) = delete;
    ModuleFixture& operator=(const ModuleFixture&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }

    /// The failures reported since the last clear, in their own words.
    static QStringList& reports()
    {
        static QStringList seen;
        return seen;
    }

private:
    static void record(const std::exception& failure) { reports() << QString::fromUtf8(failure.what()); }

    QTemporaryDir m_dir;
    TDBModule m_db;
    FailureReport m_previous = nullptr;
};

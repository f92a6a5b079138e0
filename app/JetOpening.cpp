#include "app/JetOpening.h"

#include "app/ErrorReport.h"
#include "app/JetImportDialog.h"
#include "app/ImportProcess.h"
#include "data/Connection.h"
#include "data/DBModule.h"
#include "data/DbError.h"
#include "import/ImportCache.h"
#include "import/SchemaMatch.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString g_program;
QString g_cacheFolder;

ImportCache cache()
{
    return ImportCache(g_cacheFolder.isEmpty() ? ImportCache::defaultFolder() : g_cacheFolder);
}

QString program()
{
    return g_program.isEmpty() ? QCoreApplication::applicationFilePath() : g_program;
}

// A fresh copy of the source, made under the progress dialog.
QString importCopy(const QString& source)
{
    const ImportCache copies = cache();
    const QString target = copies.copyPath(source);
    JetImportDialog dialog(program(), source, target, QApplication::activeWindow());
    const bool complete = dialog.exec() == QDialog::Accepted;
    const ImportProcess& process = dialog.process();
    if (!complete) {
        if (process.cancelled())
            throw DbError(QStringLiteral("The import of %1 was cancelled; nothing was written. Start the program on "
                                         "it again to import it.").arg(source));
        throw DbError(process.failure());
    }
    copies.removeStale(source);
    const QString lacking = missingMessage(source, process.missing());
    if (!lacking.isEmpty())
        reportNotice(lacking);
    return target;
}

// Whether a copy in the cache still opens (a full disk or a crash may have damaged it since).
bool opens(const QString& copy)
{
    Connection probe;
    probe.setReadOnly(QStringLiteral("probe"));
    probe.setConnectionString(Connection::composeConnectionStringForFile(copy));
    try {
        probe.open();
        return true;
    } catch (const DbError&) {
        return false;
    }
}

// The copy to browse: the cache's when it is current and opens, else a new one.
QString usableCopy(const QString& source)
{
    const QString cached = cache().currentCopy(source);
    if (!cached.isEmpty()) {
        if (opens(cached))
            return cached;
        QFile::remove(cached);
    }
    return importCopy(source);
}

} // namespace

QString jetReadOnlyReason(const QString& source)
{
    return QStringLiteral("%1 is a Jet/Access database: the program shows a copy of it and never changes the file "
                          "itself, so nothing can be edited here. To edit the data, convert it with\n"
                          "    tavrin --convert \"%1\" copy.db\n"
                          "and open the copy with --database copy.db --maintenance.")
        .arg(QDir::toNativeSeparators(source));
}

void setImportProgram(const QString& program)
{
    g_program = program;
}

void setImportCacheFolder(const QString& folder)
{
    g_cacheFolder = folder;
}

void openJetDatabase(TDBModule& module, const QString& source)
{
    const QString file = QFileInfo(source).absoluteFilePath();
    QString copy;
    try {
        copy = usableCopy(file);
    } catch (const DbError&) {
        module.ADOConnection1.close();
        module.ADOConnection1.setReadOnly(QString());
        module.ADOConnection1.setShownFile(QString());
        module.ADOConnection1.setConnectionString(Connection::composeConnectionStringForFile(file));
        throw;
    }
    // From here on a failure is the file's own (a table it lacks), reported as for any file.
    module.openImportedCopy(copy, file, jetReadOnlyReason(file));
}

#include "app/ConvertCommand.h"

#include "app/ImportProcess.h"
#include "browse/HandlerGuard.h"
#include "data/DatabaseFileCheck.h"
#include "data/DbError.h"
#include "import/SchemaMatch.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

void print(std::FILE* to, const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), to);
    std::fflush(to);
}

// Why the conversion cannot start; empty when it can.
QString refusal(const QString& source, const QString& target)
{
    try {
        checkReadableFile(source);
    } catch (const DbError& e) {
        return e.message();
    }
    if (!isJetDatabaseFile(source)) {
        QFile file(source);
        if (file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16))
            return QStringLiteral("%1 is already an SQLite database: copy the file itself to have a copy to edit").arg(source);
        return QStringLiteral("%1 is not a Jet/Access database").arg(source);
    }
    const QFileInfo out(target);
    if (out.exists() || out.isSymLink())
        return QStringLiteral("%1 already exists: the conversion writes a new file and replaces none; give another "
                              "name or remove that file first").arg(target);
    if (!out.absoluteDir().exists())
        return QStringLiteral("Cannot write %1: the folder %2 does not exist").arg(target, out.absolutePath());
    return QString();
}

} // namespace

int runConvert(const QString& source, const QString& target, const QString& program, std::FILE* out, std::FILE* err)
{
    const QString problem = refusal(source, target);
    if (!problem.isEmpty()) {
        print(err, QStringLiteral("tavrin: %1").arg(problem));
        return 1;
    }
    const QString in = QFileInfo(source).absoluteFilePath();
    const QString to = QFileInfo(target).absoluteFilePath();
    print(out, QStringLiteral("Converting %1 into %2").arg(in, to));

    ImportProcess process(program);
    QEventLoop loop;
    int tables = 0;
    QObject::connect(&process, &ImportProcess::started, &loop, guardedSlot([&](int count, qint64) { tables = count; }));
    QObject::connect(&process, &ImportProcess::tableStarted, &loop,
                     guardedSlot([&](int index, const QString& table, qint64 rows) {
                         print(out, QStringLiteral("  table %1 of %2: %3 (%4 rows)")
                                        .arg(index + 1)
                                        .arg(tables)
                                        .arg(table, QLocale().toString(rows)));
                     }));
    QObject::connect(&process, &ImportProcess::finished, &loop, &QEventLoop::quit);
    process.start(in, to);
    if (!process.isFinished())
        loop.exec();

    if (!process.complete()) {
        print(err, QStringLiteral("tavrin: %1").arg(process.failure()));
        return 1;
    }
    const QString lacking = missingMessage(in, process.missing());
    if (!lacking.isEmpty())
        print(err, QStringLiteral("tavrin: warning: %1").arg(lacking));
    print(out, QStringLiteral("Wrote %1: %2 tables, %3 rows.").arg(to).arg(process.tablesCopied()).arg(QLocale().toString(process.rowsCopied())));
    return 0;
}

#include "tests/jet/MdbTools.h"

#include <QProcess>
#include <stdexcept>

namespace jettest {

namespace {
const QString kFieldSeparator(QChar(0x1f));
const QString kRowSeparator(QChar(0x1e));
const QString kNullMarker(QChar(0x02));
} // namespace

QString runMdbTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted())
        throw std::runtime_error(program.toStdString() + " does not run (is mdbtools installed? "
                                 "scripts/packages.sh installs it)");
    process.waitForFinished(120000);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || !err.isEmpty())
        throw std::runtime_error(QString("%1 %2 failed (exit %3): %4")
                                     .arg(program, args.join(' '))
                                     .arg(process.exitCode())
                                     .arg(err)
                                     .toStdString());
    return out;
}

Rows exportRows(const QString& mdbPath, const QString& table)
{
    const QString out = runMdbTool("mdb-export", {"-H", "-Q", "-d", kFieldSeparator, "-R", kRowSeparator, "-0",
                                                  kNullMarker, "-T", "%Y-%m-%d %H:%M:%S", mdbPath, table});
    Rows rows;
    QStringList lines = out.split(kRowSeparator);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    for (const QString& line : lines) {
        std::vector<Value> row;
        for (const QString& field : line.split(kFieldSeparator))
            row.push_back(field == kNullMarker ? Value() : Value(field));
        rows.push_back(row);
    }
    return rows;
}

QStringList exportedColumns(const QString& mdbPath, const QString& table)
{
    const QString out = runMdbTool("mdb-export", {"-d", kFieldSeparator, "-R", kRowSeparator, mdbPath, table});
    return out.section(kRowSeparator, 0, 0).split(kFieldSeparator);
}

QStringList tableNames(const QString& mdbPath, bool withSystemTables)
{
    QStringList args{"-1"};
    if (withSystemTables)
        args << "-S";
    QStringList names = runMdbTool("mdb-tables", args << mdbPath).split('\n', Qt::SkipEmptyParts);
    for (QString& name : names)
        name = name.trimmed();
    return names;
}

QString mdbDouble(double value) { return QString::asprintf("%.16g", value); }

} // namespace jettest

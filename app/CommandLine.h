#pragma once
// The program's few switches: --help, --version and --maintenance (which shows the Tools menu
// with the DB-list maintenance window). Anything else is refused with the usage.

#include <QString>
#include <QStringList>

struct CommandLineChoice {
    bool run = true;          ///< false: print `text` and end with `exitCode`
    int exitCode = 0;
    bool toErrorStream = false;
    QString text;
    bool maintenance = false; ///< show the Tools menu
};

/// Reads the arguments (the program's path first, as QCoreApplication::arguments() gives them).
CommandLineChoice readCommandLine(const QStringList& arguments);

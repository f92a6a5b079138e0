#pragma once
// The program's command line: what the user asked for, read without any window or display, so
// that --help and a wrong argument answer on a terminal of a machine without a desktop.

#include "panes/NavigationHost.h"

#include <QString>
#include <QStringList>

#include <optional>

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse, Convert, ImportJet };
    Action action = Action::Run;
    /// The database file given with --database, as typed; empty for the usual places.
    QString database;
    /// --maintenance: the Tools menu with the maintenance window is offered.
    bool maintenance = false;
    /// The window --open asks for at start.
    std::optional<WindowKind> open;
    /// For Refuse: what was wrong, one line.
    QString problem;
    /// For Convert (--convert IN OUT) and ImportJet (the import's own process): the Jet file and
    /// the SQLite file to write, as typed.
    QString source;
    QString target;
};

/// Reads the arguments (the program's name first, as in argv). Qt's own display switches
/// (-platform, -display, -style, ...) are let through for the application to take.
CommandLine parseCommandLine(const QStringList& arguments);

/// The usage text --help prints (and a refusal prints after its problem).
QString commandLineUsage();

/// The window names --open takes, in the order of the main window's commands.
QStringList openableWindowNames();

#pragma once
// The lines an import running in a process of its own writes to its standard output, one event
// each, and the parent reads back:
//
//   started <tables> <rows>        what is about to be copied
//   table <index> <rows> <name>    a table begins (index from 0)
//   rows <count>                   rows of that table copied so far
//   missing <text>                 something the file lacks (one line each)
//   done <tables> <rows>           the copy is complete and has its name
//   failed <message>               the import stopped; nothing was written
//
// Texts are UTF-8 with backslashes and line breaks escaped.

#include <QByteArray>
#include <QString>

#include <cstdio>

struct ProgressEvent {
    enum Kind { Started, Table, Rows, Missing, Done, Failed, Unknown };
    Kind kind = Unknown;
    int tables = 0;
    int index = 0;
    qint64 rows = 0;
    QString text;
};

/// The line for an event, with its line break.
QByteArray progressLine(const ProgressEvent& event);
/// Writes the event's line and flushes it, so the parent hears of it at once.
void writeProgressLine(std::FILE* out, const ProgressEvent& event);
/// The event a line (with or without its line break) tells; Unknown for anything else.
ProgressEvent parseProgressLine(const QByteArray& line);

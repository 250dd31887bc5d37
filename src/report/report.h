#pragma once

#include <QString>
#include <QTextStream>

class QFile;

// The command log: every generator command line run, one a line.
extern QTextStream logStream;

// Characters of a full path that name the root and the separator after it.
extern int rootPrefixLength;

// A path as messages show it: below the root, without a leading separator.
QString relativeDisplayPath(const QString &path);

// "kelvor : " + message on standard output.
void logMessage(const QString &message);

// "kelvor : error: " / "kelvor : warning: " + message on standard error.
// Errors make the run end with status 1.
void logError(const QString &message);
void logWarning(const QString &message);
bool anyErrors();

// Written before a generator starts, so our lines stay ahead of its output.
void flushMessages();

// Opens the log file anew and attaches logStream; warns and goes on without a
// log when it cannot.
void openCommandLog(QFile &file);
void recordCommand(const QString &commandLine);
void closeCommandLog(QFile &file);

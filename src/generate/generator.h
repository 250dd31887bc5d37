#pragma once

#include <QString>
#include <QStringList>

// Starts program, found on PATH, with arguments and waits for it to end.
// Standard input, output and error are the tool's own. Returns what went
// wrong, as a message fragment, or an empty string when it exited with 0.
QString runGenerator(const QString &program, const QStringList &arguments);

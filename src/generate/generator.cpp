#include "generate/generator.h"

#include <QProcess>
#include <QStandardPaths>

QString runGenerator(const QString &program, const QStringList &arguments)
{
    // Found on PATH only and started by its full path: Windows would otherwise
    // take a program of that name from the current directory, the project
    // being scanned.
    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty())
        return program + QLatin1String(" not found on PATH");

    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(executable, arguments);
    if (!process.waitForStarted(-1))
        return program + QLatin1String(" could not be started: ") + process.errorString();
    process.waitForFinished(-1);
    if (process.exitStatus() == QProcess::CrashExit)
        return program + QLatin1String(" crashed");
    if (process.exitCode() != 0)
        return program + QLatin1String(" exited with status ") + QString::number(process.exitCode());
    return QString();
}

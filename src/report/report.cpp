#include "report/report.h"

#include "report/paths.h"

#include <QFile>

#include <iostream>

QTextStream logStream;
int rootPrefixLength = 0;

namespace {

bool errorsSeen = false;

// Message text becomes bytes here, in the locale's encoding, one write a line.
void writeLine(std::ostream &stream, const QString &line)
{
    const QByteArray bytes = (line + QLatin1Char('\n')).toLocal8Bit();
    stream.write(bytes.constData(), bytes.size());
}

} // namespace

QString relativeDisplayPath(const QString &path)
{
    return displayPath(path, rootPrefixLength);
}

void logMessage(const QString &message)
{
    writeLine(std::cout, QLatin1String("kelvor : ") + message);
}

void logError(const QString &message)
{
    errorsSeen = true;
    flushMessages();
    writeLine(std::cerr, QLatin1String("kelvor : error: ") + message);
}

void logWarning(const QString &message)
{
    flushMessages();
    writeLine(std::cerr, QLatin1String("kelvor : warning: ") + message);
}

bool anyErrors()
{
    return errorsSeen;
}

void flushMessages()
{
    std::cout.flush();
}

void openCommandLog(QFile &file)
{
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
        logWarning(QLatin1String("cannot write ") + file.fileName() + QLatin1String(": ")
                   + file.errorString() + QLatin1String("; commands are not logged"));
        return;
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    logStream.setCodec("UTF-8"); // Qt 6 writes UTF-8 already
#endif
    logStream.setDevice(&file);
}

void recordCommand(const QString &commandLine)
{
    if (!logStream.device())
        return;
    // Flushed a line at a time, so a run that is killed keeps what it ran.
    logStream << commandLine << '\n';
    logStream.flush();
}

void closeCommandLog(QFile &file)
{
    logStream.flush();
    logStream.setDevice(nullptr);
    file.close();
}

#include "app/run.h"

#include "report/paths.h"
#include "report/report.h"
#include "scan/scan.h"

#include <QDir>
#include <QFile>

int runKelvor()
{
    QFile logFile(QStringLiteral("kelvor-log.txt"));
    openCommandLog(logFile);

    const QString root = QDir().absolutePath();
    rootPrefixLength = prefixLengthOf(root);

    logMessage(QStringLiteral("running"));
    logMessage(QStringLiteral("scan started"));
    scanDirectory(root);
    logMessage(QStringLiteral("scan completed"));

    closeCommandLog(logFile);
    flushMessages();
    return anyErrors() ? 1 : 0;
}

#include "generate/regenerate.h"

#include "generate/generator.h"
#include "report/paths.h"
#include "report/report.h"

#include <QDateTime>
#include <QFile>

namespace {

// A failed run must not leave an output that the next run would take as up to
// date. An older output that the generator did not touch stays as it was.
void discardFailedOutput(const QString &output, bool existed, const QDateTime &timeBefore)
{
    const QFileInfo after(output);
    if (after.exists() && (!existed || after.lastModified() != timeBefore))
        QFile::remove(output);
}

} // namespace

void regenerate(GeneratorKind kind, const QFileInfo &input)
{
    const QString output = outputPath(kind, input.absolutePath(), input.fileName());
    const QFileInfo before(output);
    const QDateTime timeBefore = before.lastModified(); // first: its one stat answers exists() too
    const bool existed = before.exists();
    if (existed && !(timeBefore < input.lastModified()))
        return;

    const QString inputPath = input.absoluteFilePath();
    const QString shownOutput = relativeDisplayPath(output);
    if (existed)
        logMessage(QLatin1String("updating file ") + shownOutput);
    else
        logMessage(QLatin1String("you have to add ") + shownOutput + QLatin1String(" to your project"));
    flushMessages();

    const QString program = generatorRule(kind).program;
    QString failure = runGenerator(program, generatorArguments(kind, inputPath, output));
    recordCommand(commandLine(kind, inputPath, output));
    if (failure.isEmpty() && !QFileInfo::exists(output))
        failure = program + QLatin1String(" wrote no ") + shownOutput;
    if (failure.isEmpty())
        return;
    discardFailedOutput(output, existed, timeBefore);
    logError(relativeDisplayPath(nativeForm(input.filePath())) + QLatin1String(": ") + failure);
}

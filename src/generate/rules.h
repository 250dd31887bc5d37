#pragma once

#include <QChar>
#include <QDir>
#include <QString>
#include <QStringList>

enum class GeneratorKind { Moc = 0, Uic = 1, Rcc = 2 };

// What the generator of one kind is called with and what it makes.
struct GeneratorRule {
    QString program;      // looked up on PATH
    QStringList options;  // before the input
    QString outputPrefix;
    QString outputSuffix;
};

const GeneratorRule &generatorRule(GeneratorKind kind);

// "moc_" + the name up to its first dot + ".cpp", and so on.
QString outputFileName(GeneratorKind kind, const QString &inputFileName);

// The generated file beside its input, in native form.
QString outputPath(GeneratorKind kind, const QString &inputDir, const QString &inputFileName,
                   QChar separator = QDir::separator());

// What the log shows: moc.exe "INPUT" -o "OUTPUT", in native form.
QString commandLine(GeneratorKind kind, const QString &input, const QString &output,
                    QChar separator = QDir::separator());

// What the generator is started with: no shell, one argument per path.
QStringList generatorArguments(GeneratorKind kind, const QString &input, const QString &output,
                               QChar separator = QDir::separator());

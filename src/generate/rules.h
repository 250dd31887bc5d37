#pragma once

#include <QChar>
#include <QDir>
#include <QString>
#include <QStringList>

#include <optional>

enum class GeneratorKind { Moc = 0, Uic = 1, Rcc = 2 };

// Which files the generator of one kind takes, what it is called with and
// what it makes.
struct GeneratorRule {
    QLatin1String inputTail; // of an input's name, case respected
    QString program;      // looked up on PATH
    QStringList options;  // before the input
    QString outputPrefix;
    QString outputSuffix;
};

const GeneratorRule &generatorRule(GeneratorKind kind);

// The kind whose inputs' names end as name does (a header is an input only
// when its text holds the marker too); nothing for any other name. Takes a
// QString, or a QLatin1String over a name's bytes before they become text.
template <typename Name>
std::optional<GeneratorKind> kindByTail(const Name &name)
{
    for (GeneratorKind kind : { GeneratorKind::Moc, GeneratorKind::Uic, GeneratorKind::Rcc }) {
        if (name.endsWith(generatorRule(kind).inputTail))
            return kind;
    }
    return std::nullopt;
}

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

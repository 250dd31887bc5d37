#include "generate/rules.h"

#include "report/paths.h"

const GeneratorRule &generatorRule(GeneratorKind kind)
{
    static const GeneratorRule rules[] = {
        { QLatin1String(".h"), QStringLiteral("moc.exe"), {}, QStringLiteral("moc_"), QStringLiteral(".cpp") },
        { QLatin1String(".ui"), QStringLiteral("uic.exe"), {}, QStringLiteral("ui_"), QStringLiteral(".h") },
        { QLatin1String(".qrc"), QStringLiteral("rcc.exe"), { QStringLiteral("-name"), QStringLiteral("resources") },
          QStringLiteral("qrc_"), QStringLiteral(".cpp") },
    };
    return rules[int(kind)];
}

QString outputFileName(GeneratorKind kind, const QString &inputFileName)
{
    const GeneratorRule &rule = generatorRule(kind);
    const QString baseName = inputFileName.section(QLatin1Char('.'), 0, 0);
    return rule.outputPrefix + baseName + rule.outputSuffix;
}

QString outputPath(GeneratorKind kind, const QString &inputDir, const QString &inputFileName,
                   QChar separator)
{
    return nativeForm(joinPath(inputDir, outputFileName(kind, inputFileName), separator), separator);
}

QString commandLine(GeneratorKind kind, const QString &input, const QString &output, QChar separator)
{
    const GeneratorRule &rule = generatorRule(kind);
    QString line = rule.program + QLatin1Char(' ');
    for (const QString &option : rule.options)
        line += option + QLatin1Char(' ');
    line += QLatin1Char('"') + input + QLatin1String("\" -o \"") + output + QLatin1Char('"');
    return nativeForm(line, separator);
}

QStringList generatorArguments(GeneratorKind kind, const QString &input, const QString &output,
                               QChar separator)
{
    return generatorRule(kind).options
        + QStringList{ nativeForm(input, separator), QStringLiteral("-o"), nativeForm(output, separator) };
}

#include "scan/scan.h"

#include "generate/regenerate.h"
#include "report/paths.h"
#include "report/report.h"
#include "scan/marker.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

QString foundMessage(GeneratorKind kind)
{
    switch (kind) {
    case GeneratorKind::Moc:
        return QStringLiteral("found MOCable file ");
    case GeneratorKind::Uic:
        return QStringLiteral("found UICable file ");
    case GeneratorKind::Rcc:
        return QStringLiteral("found RCCable file ");
    }
    return QString();
}

// Generated file name -> display path of the input that claimed it, for one
// directory: two inputs that make the same file overwrite each other's output.
using OutputClaims = QHash<QString, QString>;

void warnOnClash(OutputClaims &claims, GeneratorKind kind, const QString &dir, const QString &name,
                 const QString &shownInput)
{
    const QString output = outputFileName(kind, name);
#ifdef Q_OS_WIN
    const QString key = output.toLower(); // one file on a case-insensitive file system
#else
    const QString &key = output;
#endif
    const auto claim = claims.constFind(key);
    if (claim == claims.constEnd()) {
        claims.insert(key, shownInput);
        return;
    }
    logWarning(*claim + QLatin1String(" and ") + shownInput + QLatin1String(" both generate ")
               + relativeDisplayPath(outputPath(kind, dir, name)));
}

void handleFile(const QString &dir, const QString &name, OutputClaims &claims)
{
    const QString filePath = joinPath(dir, name);
    const std::optional<GeneratorKind> kind = classify(filePath);
    if (!kind)
        return;
    const QString shown = relativeDisplayPath(filePath);
    logMessage(foundMessage(*kind) + shown);
    warnOnClash(claims, *kind, dir, name, shown);
    regenerate(*kind, QFileInfo(filePath));
}

// Where a subdirectory really is. Only a link can lead elsewhere, so only a
// link costs a look-up.
QString canonicalChild(const QString &parentCanonical, const QString &childPath, const QString &name)
{
    const QFileInfo child(childPath);
    if (child.isSymLink())
        return child.canonicalFilePath();
    return joinPath(parentCanonical, name, QLatin1Char('/'));
}

// onPath holds the canonical paths of the directories being walked, root
// first: a link back into one of them would otherwise recurse for ever.
void walk(const QString &path, const QString &canonical, QStringList &onPath)
{
    const QDir dir(path);
    const QStringList subdirs = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    const QStringList files = dir.entryList(QDir::Files, QDir::NoSort);

    OutputClaims claims;
    for (const QString &name : files)
        handleFile(path, name, claims);

    onPath.append(canonical);
    const QString absolute = dir.absolutePath();
    for (const QString &name : subdirs) {
        const QString subPath = nativeForm(joinPath(absolute, name));
        const QString subCanonical = canonicalChild(canonical, subPath, name);
        if (!onPath.contains(subCanonical))
            walk(subPath, subCanonical, onPath);
    }
    onPath.removeLast();
}

} // namespace

std::optional<GeneratorKind> classify(const QString &filePath)
{
    if (filePath.endsWith(QLatin1String(".h")) && containsQObjectMarker(filePath))
        return GeneratorKind::Moc;
    if (filePath.endsWith(QLatin1String(".ui")))
        return GeneratorKind::Uic;
    if (filePath.endsWith(QLatin1String(".qrc")))
        return GeneratorKind::Rcc;
    return std::nullopt;
}

void scanDirectory(const QString &path)
{
    QStringList onPath;
    walk(path, QFileInfo(path).canonicalFilePath(), onPath);
}

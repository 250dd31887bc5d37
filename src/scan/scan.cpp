#include "scan/scan.h"

#include "generate/regenerate.h"
#include "report/paths.h"
#include "report/report.h"
#include "scan/listing.h"
#include "scan/marker.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <optional>

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
    const std::optional<GeneratorKind> kind = kindByTail(name);
    if (!kind)
        return;
    const QString filePath = joinPath(dir, name);
    if (*kind == GeneratorKind::Moc && !containsQObjectMarker(filePath))
        return;
    const QString shown = relativeDisplayPath(filePath);
    logMessage(foundMessage(*kind) + shown);
    warnOnClash(claims, *kind, dir, name, shown);
    regenerate(*kind, QFileInfo(filePath));
}

// Where a subdirectory really is. Only a link can lead elsewhere, and the
// listing already tells which entries are links, so only a link costs a
// look-up.
QString canonicalPath(const Subdir &subdir, const QString &subPath, const QString &parentCanonical)
{
    if (subdir.isLink)
        return QFileInfo(subPath).canonicalFilePath();
    return joinPath(parentCanonical, subdir.name, QLatin1Char('/'));
}

// onPath holds the canonical paths of the directories being walked, root
// first: a link back into one of them would otherwise recurse for ever.
void walk(const QString &path, const QString &canonical, QStringList &onPath)
{
    const Listing listing = listDirectory(path);
    OutputClaims claims;
    for (const QString &name : listing.files)
        handleFile(path, name, claims);

    onPath.append(canonical);
    const QString absolute = QDir(path).absolutePath();
    for (const Subdir &subdir : listing.subdirs) {
        const QString subPath = nativeForm(joinPath(absolute, subdir.name));
        const QString subCanonical = canonicalPath(subdir, subPath, canonical);
        if (!onPath.contains(subCanonical))
            walk(subPath, subCanonical, onPath);
    }
    onPath.removeLast();
}

} // namespace

void scanDirectory(const QString &path)
{
    QStringList onPath;
    walk(path, QFileInfo(path).canonicalFilePath(), onPath);
}

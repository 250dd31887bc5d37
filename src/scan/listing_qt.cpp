#include "scan/listing.h"

#include "generate/rules.h"

#include <QDirIterator>
#include <QFileInfo>

// Qt's listing, which knows the platform's hidden and system entries.
Listing listDirectory(const QString &path)
{
    QStringList files;
    QList<Subdir> subdirs;
    QDirIterator entries(path, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (entry.isDir())
            subdirs.append({ entry.fileName(), entry.isSymLink() || entry.isJunction() });
        else if (kindByTail(entry.fileName()))
            files.append(entry.fileName());
    }
    return sortedListing(files, subdirs);
}

#include "scan/listing.h"

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
        else if (canBeInput(entry.fileName()))
            files.append(entry.fileName());
    }
    return sortedListing(files, subdirs);
}

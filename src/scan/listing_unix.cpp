#include "scan/listing.h"

#include "generate/rules.h"

#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

namespace {

enum class EntryType { File, Dir, Other };

// What an entry is, from the listing's own type where it has one: only links
// (and file systems that give no type) cost a stat.
EntryType typeOf(const QByteArray &dirPath, const dirent &entry, bool &isLink)
{
    isLink = entry.d_type == DT_LNK;
    if (entry.d_type == DT_REG)
        return EntryType::File;
    if (entry.d_type == DT_DIR)
        return EntryType::Dir;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return EntryType::Other; // a FIFO, socket or device: never opened
    const QByteArray path = dirPath + '/' + entry.d_name;
    struct stat status;
    if (entry.d_type == DT_UNKNOWN) {
        if (::lstat(path.constData(), &status) != 0)
            return EntryType::Other;
        isLink = S_ISLNK(status.st_mode);
    }
    if (::stat(path.constData(), &status) != 0)
        return EntryType::Other; // a dangling link
    return S_ISREG(status.st_mode) ? EntryType::File : S_ISDIR(status.st_mode) ? EntryType::Dir : EntryType::Other;
}

} // namespace

// readdir with the entry types it gives: names become text here, nothing is
// stat'ed but links. Hidden means a leading dot.
Listing listDirectory(const QString &path)
{
    QStringList files;
    QList<Subdir> subdirs;
    const QByteArray dirPath = QFile::encodeName(path);
    DIR *dir = ::opendir(dirPath.constData());
    if (!dir)
        return {};
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        bool isLink = false;
        switch (typeOf(dirPath, *entry, isLink)) {
        case EntryType::File:
            if (kindByTail(QLatin1String(entry->d_name)))
                files.append(QFile::decodeName(entry->d_name));
            break;
        case EntryType::Dir:
            subdirs.append({ QFile::decodeName(entry->d_name), isLink });
            break;
        case EntryType::Other:
            break;
        }
    }
    ::closedir(dir);
    return sortedListing(files, subdirs);
}

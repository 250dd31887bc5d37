#pragma once

#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>

// What the walk sees of one directory: its ordinary files and its
// subdirectories (links to directories included), hidden and system entries
// left out, each in name order without regard to case.
struct Listing {
    QStringList files;
    QList<QFileInfo> subdirs; // knows, from the listing itself, which are links
};

// One pass over the directory; empty when it cannot be read.
Listing listDirectory(const QString &path);

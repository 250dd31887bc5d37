#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct Subdir {
    QString name;
    bool isLink; // a link can lead anywhere, even back up the walk
};

// What the walk sees of one directory: its ordinary files whose names can
// make them inputs (the rest are dropped before their names become text or
// get sorted), and its subdirectories (links to either count as what they
// lead to), hidden and system entries left out, each in name order without
// regard to case.
struct Listing {
    QStringList files;
    QList<Subdir> subdirs;
};

// One pass over the directory; empty when it cannot be read.
Listing listDirectory(const QString &path);

// For the platform's listing: the two lists put in order.
Listing sortedListing(const QStringList &files, const QList<Subdir> &subdirs);

#pragma once

#include <QChar>
#include <QDir>
#include <QString>

// Pure path helpers. Each takes the directory separator as a parameter, so the
// Windows forms can be checked on any platform; the default is the native one.

// The path with every forward slash replaced by the separator.
QString nativeForm(const QString &path, QChar separator = QDir::separator());

// dir, the separator and name; no second separator when dir already ends in one
// (a root such as "/" or "C:/").
QString joinPath(const QString &dir, const QString &name, QChar separator = QDir::separator());

// How many leading characters of a path below root name the root and the
// separator after it.
int prefixLengthOf(const QString &root, QChar separator = QDir::separator());

// The path with its first prefixLength characters removed.
QString displayPath(const QString &path, int prefixLength);

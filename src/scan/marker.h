#pragma once

#include <QString>

// True when the file's text holds "Q_OBJECT" anywhere, comments included;
// false also when the file cannot be read.
bool containsQObjectMarker(const QString &filePath);

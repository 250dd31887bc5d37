#pragma once

#include <QString>

// Walks path and every directory below it: in each, its files in name order
// without regard to case, then its subdirectories depth first. Every generator
// input is reported and regenerated as it is met.
void scanDirectory(const QString &path);

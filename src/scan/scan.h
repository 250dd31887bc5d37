#pragma once

#include "generate/rules.h"

#include <QString>

#include <optional>

// The generator kind of a file, judged by the tail of its path and, for a
// header, by its text; nothing when the file is not a generator input.
std::optional<GeneratorKind> classify(const QString &filePath);

// Walks path and every directory below it: in each, its files in name order
// without regard to case, then its subdirectories depth first. Every generator
// input is reported and regenerated as it is met.
void scanDirectory(const QString &path);

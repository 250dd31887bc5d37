#pragma once

#include "generate/rules.h"

#include <QFileInfo>

// Runs the generator of kind for input when its generated file is missing or
// older than input; tells the user and logs the command.
void regenerate(GeneratorKind kind, const QFileInfo &input);

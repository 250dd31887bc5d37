#pragma once

// A plain header: no meta-object marker, so kelvor leaves it alone.
#include <QString>

inline QString greetingFor(const QString &text, int count)
{
    return QStringLiteral("%1 (%2)").arg(text.trimmed()).arg(count);
}

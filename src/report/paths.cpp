#include "report/paths.h"

namespace {

bool endsWithSeparator(const QString &path, QChar separator)
{
    return path.endsWith(QLatin1Char('/')) || path.endsWith(separator);
}

} // namespace

QString nativeForm(const QString &path, QChar separator)
{
    QString native = path;
    return native.replace(QLatin1Char('/'), separator);
}

QString joinPath(const QString &dir, const QString &name, QChar separator)
{
    if (endsWithSeparator(dir, separator))
        return dir + name;
    return dir + separator + name;
}

int prefixLengthOf(const QString &root, QChar separator)
{
    return int(root.size()) + (endsWithSeparator(root, separator) ? 0 : 1);
}

QString displayPath(const QString &path, int prefixLength)
{
    return path.mid(prefixLength);
}

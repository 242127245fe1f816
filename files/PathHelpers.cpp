#include "PathHelpers.h"

#include <QDir>

#include <algorithm>

namespace strhaven {

namespace {

// Index of the last separator, or -1.
qsizetype lastSeparator(const QString& path)
{
    return std::max(path.lastIndexOf(QDir::separator()), path.lastIndexOf(QLatin1Char('\\')));
}

} // namespace

QString ExtractFileName(const QString& path)
{
    const qsizetype k = lastSeparator(path);
    return k < 0 ? QString() : path.mid(k + 1);
}

QString ExtractFolder(const QString& path)
{
    const qsizetype k = lastSeparator(path);
    return k < 0 ? QString() : path.left(k + 1);
}

} // namespace strhaven

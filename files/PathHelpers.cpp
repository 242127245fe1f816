#include "files/PathHelpers.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace strhaven {

namespace {

// Index of the last separator, or -1.
qsizetype lastSeparator(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    return std::max(slash, path.lastIndexOf(QLatin1Char('\\')));
#else
    return slash;
#endif
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

QString defaultGameFolder()
{
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(docs).isDir() ? docs : QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

} // namespace strhaven

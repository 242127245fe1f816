#include "seams/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace strhaven {

QString programFolder()
{
    const QDir executable(QCoreApplication::applicationDirPath());
    const QString installed = executable.absoluteFilePath(QStringLiteral(STRHAVEN_DATA_FROM_PROGRAM));
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    return executable.absolutePath();
}

QString programFile(const QString& name) { return QDir(programFolder()).filePath(name); }

} // namespace strhaven

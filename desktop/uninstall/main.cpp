// strhaven-uninstall: removes an installation made with `cmake --install`
// from the prefix this program lies in, and, as the installation's
// uninstall log lists them, the settings of the users who ran the game and
// the running user's game-file association. Only the files the install
// rules lay down go (InstalledFiles.h, written by those rules): whatever
// else a user keeps in the program's folders stays, and with it the folder.
#include "seams/AppTitle.h"
#include "desktop/DesktopFiles.h"
#include "desktop/DesktopIdentity.h"
#include "desktop/FileAssociation.h"
#include "desktop/uninstall/InstalledFiles.h"
#include "desktop/UninstallLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace {

using namespace strhaven;

void say(const QString& text) { std::fputs(qPrintable(text + u'\n'), stdout); }

QByteArray readLog(const QString& path)
{
    QFile log(path);
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

// Each user's settings store and the game's recovery copy beside it, as
// the log names the folder that holds them.
QStringList removeSettings(const QByteArray& log)
{
    QStringList left;
    for (const QString& root : settingsRootsInLog(log)) {
        for (const QString& file : settingsFilesIn(root)) {
            if (!QFileInfo::exists(file))
                continue;
            if (QFile::remove(file))
                say(QStringLiteral("removed %1").arg(file));
            else
                left << file;
        }
    }
    return left;
}

// Every file the installation laid down, relative to the prefix, this
// program last: it is one of them.
std::vector<QString> installedFiles(const QDir& prefix)
{
    std::vector<QString> files;
    for (const char* path : desktop::InstalledFiles)
        files.push_back(QString::fromUtf8(path));
    // The desktop's files, as the generator that the install rules copy writes them.
    std::vector<QString> shared = desktop::associationFilePaths();
    shared.push_back(desktop::metainfoPath());
    for (const QString& path : shared)
        files.push_back(QDir(QString::fromUtf8(desktop::InstalledDesktopFolder)).filePath(path));
    const QString self = prefix.relativeFilePath(QCoreApplication::applicationFilePath());
    std::stable_partition(files.begin(), files.end(), [&self](const QString& path) { return path != self; });
    return files;
}

QStringList removeInstalledFiles(const QDir& prefix)
{
    const QStringList left = desktop::removeDesktopFiles(prefix.path(), installedFiles(prefix));
    refreshDesktopDatabases(prefix.filePath(QString::fromUtf8(desktop::InstalledDesktopFolder)));
    return left;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() > 1) {
        say(QStringLiteral("Usage: strhaven-uninstall\n"
                           "Removes %1 from the folder it was installed into with cmake --install,\n"
                           "with the settings and the file association its uninstall log lists.")
                .arg(ApplicationTitle()));
        return app.arguments().at(1) == QStringLiteral("--help") ? 0 : 2;
    }
    const QDir prefix(QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/..")));
    const QString programFolder = prefix.filePath(QString::fromUtf8(desktop::InstalledProgramFolder));
    if (!QFileInfo(programFolder).isDir()) {
        std::fputs(qPrintable(QStringLiteral("strhaven-uninstall: no installation of %1 in %2\n")
                                  .arg(ApplicationTitle(), prefix.path())),
                   stderr);
        return 1;
    }
    const QByteArray log = readLog(QDir(programFolder).filePath(desktop::uninstallLogName()));
    QStringList left = removeSettings(log);
    if (logListsAssociation(log)) {
        left << removeFileAssociation(userAssociationFolders());
        say(QStringLiteral("removed the game-file association"));
    }
    left << removeInstalledFiles(prefix);
    if (!left.isEmpty()) {
        const QString list = left.join(QStringLiteral("\n  "));
        std::fputs(qPrintable(QStringLiteral("strhaven-uninstall: could not remove:\n  %1\n").arg(list)), stderr);
        return 1;
    }
    say(QStringLiteral("%1 is uninstalled from %2").arg(ApplicationTitle(), prefix.path()));
    return 0;
}

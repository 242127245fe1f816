// strhaven-uninstall: removes an installation made with `cmake --install`
// from the prefix this program lies in, and, as the installation's
// uninstall log lists them, the settings of the users who ran the game and
// the running user's game-file association.
#include "AppTitle.h"
#include "DesktopFiles.h"
#include "DesktopIdentity.h"
#include "FileAssociation.h"
#include "UninstallLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

using namespace strhaven;

void say(const QString& text) { std::fputs(qPrintable(text + u'\n'), stdout); }

QByteArray readLog(const QString& path)
{
    QFile log(path);
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

// Each user's settings store, as the log names the folder that holds it.
QStringList removeSettings(const QByteArray& log)
{
    QStringList left;
    for (const QString& root : settingsRootsInLog(log)) {
        const QString store =
            QDir(QDir::fromNativeSeparators(root)).filePath(ApplicationTitle() + QStringLiteral(".ini"));
        if (!QFileInfo::exists(store))
            continue;
        if (QFile::remove(store))
            say(QStringLiteral("removed the settings %1").arg(store));
        else
            left << store;
    }
    return left;
}

QStringList removeInstalledFiles(const QDir& prefix)
{
    std::vector<QString> shared = desktop::associationFilePaths();
    shared.push_back(desktop::metainfoPath());
    QStringList left = desktop::removeDesktopFiles(prefix.filePath(QStringLiteral("share")), shared);
    // The program's own folders, whatever they hold.
    for (const QString& folder : {QStringLiteral("share/strhaven"), QStringLiteral("lib/strhaven")}) {
        QDir own(prefix.filePath(folder));
        if (!own.removeRecursively())
            left << own.path();
    }
    prefix.rmdir(QStringLiteral("lib"));
    refreshDesktopDatabases(prefix.filePath(QStringLiteral("share")));
    // This program last: it is one of the installed files.
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    for (const QString& program : {desktop::programName(), self}) {
        const QString path = prefix.filePath(QStringLiteral("bin/") + program);
        if (QFileInfo::exists(path) && !QFile::remove(path))
            left << path;
    }
    prefix.rmdir(QStringLiteral("bin"));
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
    const QString programFolder = prefix.filePath(QStringLiteral("share/strhaven"));
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

#include "desktop/FileAssociation.h"

#include "seams/AppTitle.h"
#include "desktop/DesktopEntry.h"
#include "desktop/DesktopFiles.h"
#include "desktop/DesktopIdentity.h"
#include "desktop/MimeAppsList.h"
#include "seams/Prompter.h"
#include "desktop/WindowsClasses.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace strhaven {

using namespace desktop;

namespace {

[[maybe_unused]] QString mimeAppsPath(const AssociationFolders& folders)
{
    return QDir(folders.configHome).filePath(QStringLiteral("mimeapps.list"));
}

void runIfPresent(const QString& tool, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(path, arguments);
    // A tool that hangs must not hold the game's start for long.
    if (!process.waitForFinished(10'000))
        process.kill();
    process.waitForFinished(1'000);
}

} // namespace

AssociationFolders userAssociationFolders()
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QStringList systemData = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    systemData.removeAll(dataHome);
    return {dataHome, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), systemData};
}

bool systemCarriesAssociation(const QString& programPath, const QStringList& systemData)
{
    const auto firstHolding = [&systemData](const QString& path) -> QString {
        for (const QString& folder : systemData) {
            const QString file = QDir(folder).filePath(path);
            if (QFileInfo(file).isFile())
                return file;
        }
        return {};
    };
    const QString entry = firstHolding(desktopEntryPath());
    if (entry.isEmpty() || firstHolding(mimePackagePath()).isEmpty())
        return false;
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString program = entryProgram(file.readAll());
    if (!program.isEmpty() && !program.contains(u'/'))
        program = QStandardPaths::findExecutable(program);
    // The same file however it is reached (a link on the PATH, a bin that is a link to usr/bin).
    const QString canonical = QFileInfo(program).canonicalFilePath();
    return !program.isEmpty() && !canonical.isEmpty() && canonical == QFileInfo(programPath).canonicalFilePath();
}

void writeFileAssociation(const QString& programPath, const AssociationFolders& folders)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folders)
    writeClassesKeys(programPath);
#else
    const bool installed = systemCarriesAssociation(programPath, folders.systemData);
    if (!installed)
        writeDesktopFiles(folders.dataHome, associationFiles(programPath));
    MimeAppsList defaults(mimeAppsPath(folders));
    defaults.setDefault(gameFileMimeType(), desktopFileName());
    defaults.save();
    if (!installed)
        refreshDesktopDatabases(folders.dataHome);
#endif
}

void RegisterFileType(Prompter& prompter, QWidget* owner, const QString& programPath,
                      const AssociationFolders& folders)
{
    try {
        writeFileAssociation(programPath, folders);
    } catch (const std::exception&) {
        prompter.message(owner, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, ApplicationTitle(),
                         DesktopText::tr("There was an error registering the game extension, shs. You will not be "
                                         "able to select a game file from Explorer to start %1")
                             .arg(ApplicationTitle()));
    }
}

QStringList removeFileAssociation(const AssociationFolders& folders)
{
    QStringList left;
#ifdef Q_OS_WIN
    Q_UNUSED(folders)
    if (!removeClassesKeys())
        left << QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes\\") + gameFileClass();
#else
    left << removeDesktopFiles(folders.dataHome, associationFilePaths());
    try {
        MimeAppsList defaults(mimeAppsPath(folders));
        defaults.removeDefault(gameFileMimeType(), desktopFileName());
        defaults.save();
    } catch (const std::exception&) {
        left << mimeAppsPath(folders);
    }
    refreshDesktopDatabases(folders.dataHome);
#endif
    return left;
}

void refreshDesktopDatabases(const QString& dataFolder)
{
    const QDir data(dataFolder);
    if (data.exists(QStringLiteral("mime/packages")))
        runIfPresent(QStringLiteral("update-mime-database"), {data.filePath(QStringLiteral("mime"))});
    if (data.exists(QStringLiteral("applications")))
        runIfPresent(QStringLiteral("update-desktop-database"), {data.filePath(QStringLiteral("applications"))});
    // Only a theme that keeps a cache needs it rebuilt; making one where
    // there was none would hide icons added later without a rebuild.
    if (data.exists(QStringLiteral("icons/hicolor/icon-theme.cache")))
        runIfPresent(QStringLiteral("gtk-update-icon-cache"),
                     {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("-f"),
                      data.filePath(QStringLiteral("icons/hicolor"))});
}

} // namespace strhaven

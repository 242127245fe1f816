#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace strhaven::desktop {

// One file the desktop reads, by its path under a data folder
// (~/.local/share, /usr/share, ...).
struct DesktopFile {
    QString path;
    QByteArray content;
};

// What makes the desktop open game files with the program: the MIME
// package, the desktop entry and the icon at every usual size. The first
// run writes these into the user's data folder; an installation lays the
// same files down with the bare program name.
std::vector<DesktopFile> associationFiles(const QString& program);
// Their paths alone, for taking them away again.
std::vector<QString> associationFilePaths();

// The software centres' description of the installed game.
DesktopFile metainfoFile(const QString& version, const QString& releaseDate);
QString metainfoPath();

QByteArray mimePackage();
QString mimePackagePath();
QString desktopEntryPath();

// Writes each file under `root`, making its folders, replacing what an
// earlier run left. Throws RunError at the first file it cannot write.
void writeDesktopFiles(const QString& root, const std::vector<DesktopFile>& files);

// Removes the files under `root` (paths relative to it) and the folders
// they leave empty, up to but not including `root` (and never a MIME
// packages folder, which the MIME database is rebuilt from). Anything else
// in those folders stays, and with it the folder. Returns the paths that
// could not be removed.
QStringList removeDesktopFiles(const QString& root, const std::vector<QString>& paths);

} // namespace strhaven::desktop

#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace strhaven {

class Prompter;

// Where a user's desktop keeps its file types and programs: the data
// folder (XDG_DATA_HOME, ~/.local/share) and the config folder that holds
// mimeapps.list (XDG_CONFIG_HOME, ~/.config); and the system's data folders
// (XDG_DATA_DIRS) that it reads after the user's, in that order.
struct AssociationFolders {
    QString dataHome;
    QString configHome;
    QStringList systemData;
};
AssociationFolders userAssociationFolders();

// Makes the desktop open ".shs" game files with the program at
// `programPath` (absolute): the game-file type with its description and
// icon, and the program as its default with the file as its argument.
// Written for the current user only; on Windows under the user's classes
// key, elsewhere as freedesktop files under `folders`. An earlier run's
// files are replaced. When the system's folders already carry the type and
// an entry that starts this very program, only the user's default is set:
// copies in the user's folder would outlive the package that is removed.
// A failure shows the registration message under the application title;
// the caller goes on either way.
void RegisterFileType(Prompter& prompter, QWidget* owner, const QString& programPath,
                      const AssociationFolders& folders);

// The same without the message: throws RunError at the first step that fails.
void writeFileAssociation(const QString& programPath, const AssociationFolders& folders);

// Whether the system's data folders hold the game-file type and, first
// among them, a desktop entry whose program is the one at `programPath`
// (an entry naming a bare program is looked up on the PATH).
bool systemCarriesAssociation(const QString& programPath, const QStringList& systemData);

// Takes away what writeFileAssociation wrote, as far as it can. Returns
// the paths that are still there.
QStringList removeFileAssociation(const AssociationFolders& folders);

// Lets the desktop see changed MIME packages and entries under a data
// folder. The tools are optional: without them the desktop catches up on
// its own, later.
void refreshDesktopDatabases(const QString& dataFolder);

} // namespace strhaven

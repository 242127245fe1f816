#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace strhaven {

class Prompter;

// Where a user's desktop keeps its file types and programs: the data
// folder (XDG_DATA_HOME, ~/.local/share) and the config folder that holds
// mimeapps.list (XDG_CONFIG_HOME, ~/.config).
struct AssociationFolders {
    QString dataHome;
    QString configHome;
};
AssociationFolders userAssociationFolders();

// Makes the desktop open ".shs" game files with the program at
// `programPath` (absolute): the game-file type with its description and
// icon, and the program as its default with the file as its argument.
// Written for the current user only; on Windows under the user's classes
// key, elsewhere as freedesktop files under `folders`. An earlier run's
// files are replaced. A failure shows the registration message under the
// application title; the caller goes on either way.
void RegisterFileType(Prompter& prompter, QWidget* owner, const QString& programPath,
                      const AssociationFolders& folders);

// The same without the message: throws RunError at the first step that fails.
void writeFileAssociation(const QString& programPath, const AssociationFolders& folders);

// Takes away what writeFileAssociation wrote, as far as it can. Returns
// the paths that are still there.
QStringList removeFileAssociation(const AssociationFolders& folders);

// Lets the desktop see changed MIME packages and entries under a data
// folder. The tools are optional: without them the desktop catches up on
// its own, later.
void refreshDesktopDatabases(const QString& dataFolder);

} // namespace strhaven

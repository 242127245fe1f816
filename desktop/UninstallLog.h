#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QWidget;

namespace strhaven {

class Prompter;

// The 39 lines the program adds to its installer's uninstall log, one per
// settings section and key and per association key, so that the
// uninstaller removes what the program made itself. `settingsRoot` is the
// folder that holds the settings store, as the user's system writes it.
QStringList uninstallLogLines(const QString& settingsRoot);

// Appends those lines, each ended by CR LF, to the uninstall log in the
// program's folder. The log is never created: when it is missing, or
// cannot be written, the uninstall message is shown instead. A system-wide
// installation (a program folder this user cannot write, or root's outside
// root's home) keeps no such log, and then nothing is shown.
void WriteUninstallLog(Prompter& prompter, QWidget* owner, const QString& programFolder,
                       const QString& settingsFile);

// What an uninstall log asks to remove: the settings store folders of the
// users whose first run it records, and whether it lists the association.
QStringList settingsRootsInLog(const QByteArray& log);
bool logListsAssociation(const QByteArray& log);

// The files the game makes in a user's settings folder, by the folder's
// name as the log gives it: the settings store and the recovery copy of
// the game the game keeps beside it.
QStringList settingsFilesIn(const QString& settingsRoot);

} // namespace strhaven

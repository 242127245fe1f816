#pragma once

#include <QString>

namespace strhaven {

// The main window's title names the game's file. The game has no file that
// Save can write to without asking exactly when the title is the untitled
// one, character for character.

// "Star Haven Virtual Slots - [untitled]".
QString untitledTitle();
// The application title, " - " and the file name of the path. A bare file
// name (no folder at all) is its own file name.
QString titleFor(const QString& path);
bool isUntitled(const QString& title);

} // namespace strhaven

#pragma once

#include <QString>

namespace strhaven {

// The main window's title names the game's file, or says it has none.

// "Star Haven Virtual Slots - [untitled]".
QString untitledTitle();
// The application title, " - " and the file name of the path. A bare file
// name (no folder at all) is its own file name.
QString titleFor(const QString& path);

} // namespace strhaven

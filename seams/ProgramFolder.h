#pragma once

#include <QString>

namespace strhaven {

// The program's folder: where its readme, its web pages and an installer's
// uninstall log lie. Run from the build tree that is the executable's own
// folder; installed, the executable sits in bin/ and its files in the data
// folder beside it (share/strhaven), found relative to the executable so
// that no path of the build machine is baked in.
QString programFolder();

// A file of the program's folder, by its name there.
QString programFile(const QString& name);

} // namespace strhaven

#pragma once

#include <QString>

namespace strhaven {

// A path splits at its last separator: a slash, and on Windows a backslash
// too. Elsewhere a backslash is an ordinary character of a name
// ("back\\slash.shs" is one file).

// The part after the last separator; empty when there is none.
QString ExtractFileName(const QString& path);
// The part up to and including the last separator; empty when there is none.
QString ExtractFolder(const QString& path);

// Where file dialogs open when no game says otherwise: the user's documents
// (the program's own folder is read-only once installed), or home.
QString defaultGameFolder();

} // namespace strhaven

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace strhaven {

// The text `strhaven --help` or `strhaven --version` prints, or nothing
// when the arguments (the program's name first) are a game file's path.
// Only the sole argument counts, so a game file may still be named
// "--help" as part of a longer path with blanks.
std::optional<QString> infoText(const QStringList& arguments);

// Prints that text and gives the exit status, or gives nothing when the
// game is to start. Needs no QApplication, so it works without a display.
std::optional<int> runInfoArgument(const QStringList& arguments);

// The arguments after the program's name, each as the path text it names
// (a byte that is not UTF-8 kept as itself, see pathFromNative). None of
// them is an option of the toolkit's: "-reverse" may be part of a name.
QStringList pathArguments(int argc, const char* const argv[]);

} // namespace strhaven

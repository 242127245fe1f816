#pragma once

#include <QString>

namespace strhaven::desktop {

// The two layers of escaping a desktop entry's Exec line goes through.
// First the argument is quoted the way launchers split the command line:
// in double quotes, with ", `, $ and \ escaped by a backslash and every %
// doubled, so that no path can run a command, split into two arguments or
// be read as a field code such as %f. Then the whole line is escaped as a
// string value of the key file (backslash, newline, tab, carriage return).
QString quoteExecArgument(const QString& argument);
QString escapeStringValue(const QString& value);

// "Exec=" value that starts the program with the opened file as its one
// argument.
QString execValue(const QString& program);

// The whole desktop entry. `program` is an absolute path, or the bare name
// found on the PATH for an installed copy.
QByteArray desktopEntry(const QString& program);

// The program an entry starts, as its TryExec line names it (the string
// escapes undone); empty when the entry has no such line.
QString entryProgram(const QByteArray& entry);

} // namespace strhaven::desktop

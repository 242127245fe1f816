#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN

#include <QString>

namespace strhaven::desktop {

// The game-file type under HKEY_CURRENT_USER\Software\Classes, which needs
// no administrator and shadows the machine-wide classes for this user:
// ".shs" names the class, the class has its description, the program's
// first icon and the open command. Throws RunError when the registry
// refuses a value.
void writeClassesKeys(const QString& programPath);
// Removes the class and the extension when the extension still names it.
bool removeClassesKeys();

} // namespace strhaven::desktop

#endif

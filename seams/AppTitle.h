#pragma once

#include <QString>

namespace strhaven {

// The application title: the settings store's application name, the start of
// the window title and the title of the program's message boxes. Never
// translated, because the settings store is found by it.
inline QString ApplicationTitle()
{
    return QStringLiteral("Star Haven Virtual Slots");
}

} // namespace strhaven

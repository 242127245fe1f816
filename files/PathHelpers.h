#pragma once

#include <QString>

namespace strhaven {

// A path splits at its last separator: this platform's own, or a backslash,
// so that paths written on Windows split the same way everywhere.

// The part after the last separator; empty when there is none.
QString ExtractFileName(const QString& path);
// The part up to and including the last separator; empty when there is none.
QString ExtractFolder(const QString& path);

} // namespace strhaven

#pragma once

#include <QByteArray>
#include <QString>

namespace strhaven {

// File names here are bytes, and nothing makes them valid UTF-8: a game
// copied from an old archive may be called "caf\xe9.shs". Text cannot hold
// such a name as it is, so each byte that is not part of valid UTF-8 travels
// as a lone surrogate (U+DC80 to U+DCFF), and goes back to the file system as
// the same byte. Every other name is plain text, as always.
QString pathFromNative(const QByteArray& name);
QByteArray nativePath(const QString& path);
// The name for showing: each such byte as the replacement character.
QString printablePath(const QString& path);

// The path made absolute from the current folder, byte for byte: a name
// that is no UTF-8 keeps its bytes (QFileInfo would replace them).
QString absolutePath(const QString& path);

} // namespace strhaven

#pragma once

#include <QtGlobal>

namespace strhaven {

// Whether a key is held down right now, asked of the display itself. An X
// server repeats a held key as release and press pairs, and while the game
// is busy those releases reach it without the auto-repeat mark; only the
// display still knows that the key never came up.
class KeyboardState {
public:
    virtual ~KeyboardState() = default;
    // `nativeScanCode` as the key event carries it. False where the platform
    // cannot tell: its key events mark every repeat themselves.
    virtual bool isKeyDown(quint32 nativeScanCode) = 0;
};

} // namespace strhaven

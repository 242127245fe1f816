#pragma once

#include "seams/KeyboardState.h"

namespace strhaven {

// The X server's own key map (one round trip a question). On other
// platforms nothing is known, and nothing needs to be.
class DisplayKeyboardState final : public KeyboardState {
public:
    bool isKeyDown(quint32 nativeScanCode) override;
};

} // namespace strhaven

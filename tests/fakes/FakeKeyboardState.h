#pragma once

#include "seams/KeyboardState.h"

#include <set>

namespace strhaven {

// The keys a test holds down, by scan code.
class FakeKeyboardState final : public KeyboardState {
public:
    std::set<quint32> down;
    bool isKeyDown(quint32 nativeScanCode) override { return down.count(nativeScanCode) != 0; }
};

} // namespace strhaven

#pragma once

#include "core/Denomination.h"
#include "core/PayoutMode.h"

namespace strhaven {

// What the Cash Out button does. A stored value that is neither action
// acts as Exit, and the dialog then shows neither choice.
enum class CashOutAction { Exit, NewGame, Unchosen };

// The options in force. A sound of a kind plays only when the sound
// switch and that kind's switch are both on.
struct GameOptions {
    int wheelSpeed = 5; // 0..10, the pause factor of a spin
    bool sound = true;
    bool wheelSound = true;
    bool coinSound = true;
    bool jackPotSound = true;
    bool loadLastFile = true;
    float machine = DefaultMachine;
    PayoutMode payout = DefaultPayout;
    CashOutAction cashOut = CashOutAction::Exit;
    bool showStats = true; // the statistics before Cash Out acts

    bool wheelSoundOn() const { return sound && wheelSound; }
    bool coinSoundOn() const { return sound && coinSound; }
    bool jackPotSoundOn() const { return sound && jackPotSound; }
};

} // namespace strhaven

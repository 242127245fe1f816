#pragma once

#include "core/Denomination.h"
#include "core/PayoutMode.h"

#include <string>

namespace strhaven {

// The options in force, named as their settings keys. The sound switches are
// 0 or 1; a sound of a kind plays only when Sound and that kind's switch are
// both on.
struct GameOptions {
    int WheelSpeed = 5; // 0..10, the pause factor of a spin
    int Sound = 1;
    int WheelSound = 1;
    int CoinSound = 1;
    int JackPotSound = 1;
    int LoadLastFile = 1;
    float Machine = DefaultMachine;
    std::string Payout{DefaultPayout};
    std::string CashOut = "Exit"; // exactly "New" starts a new game, anything else exits
    std::string ShowStats = "1";  // on when it reads as a non-zero number

    bool wheelSoundOn() const { return (Sound & WheelSound) != 0; }
    bool coinSoundOn() const { return (Sound & CoinSound) != 0; }
    bool jackPotSoundOn() const { return (Sound & JackPotSound) != 0; }
    // ShowStats counts as on when it reads as a non-zero number.
    bool statsFirst() const;
};

} // namespace strhaven

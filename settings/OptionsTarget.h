#pragma once

namespace strhaven {

// What the Game Options dialog's OK needs from the main window besides the
// options and the game it changes itself, called in this order. The first
// three cannot fail; saveSettings throws RunError when the store cannot be
// written, and the dialog hands that on to whoever showed it.
class OptionsTarget {
public:
    virtual ~OptionsTarget() = default;
    // The credits display shows Credits, as after every credit.
    virtual void showCredits() = 0;
    // The denomination picture and the $5 bill slot follow Machine.
    virtual void showMachine() = 0;
    // The wheels take the symbols of Payout (SetPayout).
    virtual void applyPayout() = 0;
    // The settings store is written (SaveSettings).
    virtual void saveSettings() = 0;
};

} // namespace strhaven

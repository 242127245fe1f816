#pragma once

#include "ReelGrid.h"
#include "WheelStrip.h"

namespace strhaven {

// The symbol that enters a wheel's top row, given what the wheel shows from
// the top down. A stop is drawn uniformly from the strip and drawn again
// while it is refused:
//  - it is the symbol already at the top (no symbol twice in a row, and so
//    never two Blanks, since a Blank top refuses the Blank stops);
//  - it is an Emblem while the top is not Blank, or an Emblem is still in
//    sight below (an Emblem only enters above a Blank, once per window).
// An Emblem at the top is always followed by a Blank, whatever was drawn.
// The loop ends because every strip has an acceptable stop in every state:
// the even stops when the top is a symbol, the non-Emblem odd stops when it
// is Blank. Rng needs nextStop() returning 0..41.
template <typename Rng>
Symbol chooseSymbol(Symbol cur, Symbol mid, Symbol bot, const WheelStrip& strip, Rng& rng)
{
    const bool emblemRefused = cur != Symbol::Blank || mid == Symbol::Emblem || bot == Symbol::Emblem;
    for (;;) {
        const Symbol s = strip[rng.nextStop()];
        if (s == cur || (s == Symbol::Emblem && emblemRefused))
            continue;
        return cur == Symbol::Emblem ? Symbol::Blank : s;
    }
}

// Sets the top of the wheel (0..2) to the chosen symbol. Empty positions
// count as Blank.
template <typename Rng>
void NextSymbol(ReelGrid& grid, int wheel, const WheelStrip& strip, Rng& rng)
{
    const int top = ReelGrid::position(wheel, 0);
    const int middle = ReelGrid::position(wheel, 1);
    const int bottom = ReelGrid::position(wheel, 2);
    grid.set(top, chooseSymbol(grid.at(top), grid.at(middle), grid.at(bottom), strip, rng));
}

} // namespace strhaven

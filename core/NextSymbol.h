#pragma once

#include "ReelGrid.h"
#include "WheelStrip.h"

#include <array>
#include <cstdint>

// The simulator plays tens of millions of stop choices; each must inline
// into the spin so that the wheels and the generator stay in registers.
#if defined(__GNUC__) || defined(__clang__)
#define STRHAVEN_ALWAYS_INLINE [[gnu::always_inline]] inline
#elif defined(_MSC_VER)
#define STRHAVEN_ALWAYS_INLINE __forceinline
#else
#define STRHAVEN_ALWAYS_INLINE inline
#endif

namespace strhaven {

// Which stops hold each symbol, one bit per stop (bit i is the stop drawn
// as index i), so that a drawn stop is tested against one mask.
class StopSets {
public:
    static constexpr std::uint64_t AllStops = (std::uint64_t{1} << WheelStrip::Stops) - 1;

    explicit StopSets(const WheelStrip& strip) : m_strip(&strip)
    {
        for (int i = 0; i < WheelStrip::Stops; ++i)
            m_of[static_cast<std::size_t>(toIndex(strip[i]))] |= std::uint64_t{1} << i;
    }

    std::uint64_t of(Symbol s) const { return m_of[static_cast<std::size_t>(toIndex(s))]; }
    const WheelStrip& strip() const { return *m_strip; }

private:
    const WheelStrip* m_strip;
    std::array<std::uint64_t, SymbolCount> m_of{};
};

// The stops a draw may land on, with cur at the top and mid, bot below. A
// stop is refused when:
//  - it is the symbol already at the top (no symbol twice in a row, and so
//    never two Blanks, since a Blank top refuses the Blank stops);
//  - it is an Emblem while the top is not Blank, or an Emblem is still in
//    sight below (an Emblem only enters above a Blank, once per window).
// Every strip has an acceptable stop in every state: the even stops when
// the top is a symbol, the non-Emblem odd stops when it is Blank.
STRHAVEN_ALWAYS_INLINE std::uint64_t acceptedStops(Symbol cur, Symbol mid, Symbol bot, const StopSets& sets)
{
    // Bitwise, not short-circuit: these tests go either way at random, and
    // a branch on them would be mispredicted half of the time.
    const bool emblemRefused = (cur != Symbol::Blank) | (mid == Symbol::Emblem) | (bot == Symbol::Emblem);
    const std::uint64_t refused = sets.of(cur) | (sets.of(Symbol::Emblem) & (0 - std::uint64_t{emblemRefused}));
    return StopSets::AllStops & ~refused;
}

// The symbol that enters a wheel's top row, given what the wheel shows from
// the top down: a stop is drawn uniformly from the strip and drawn again
// while it is refused (acceptedStops). An Emblem at the top is always
// followed by a Blank, whatever was drawn. Rng needs nextStop() returning
// 0..41; one that offers nextStopIn(accepted) draws the same stops itself.
template <typename Rng>
STRHAVEN_ALWAYS_INLINE Symbol chooseSymbol(Symbol cur, Symbol mid, Symbol bot, const StopSets& sets, Rng& rng)
{
    const std::uint64_t accepted = acceptedStops(cur, mid, bot, sets);
    int stop;
    if constexpr (requires { rng.nextStopIn(accepted); }) {
        stop = rng.nextStopIn(accepted);
    } else {
        stop = rng.nextStop();
        while (((accepted >> stop) & 1) == 0)
            stop = rng.nextStop();
    }
    return cur == Symbol::Emblem ? Symbol::Blank : sets.strip()[stop];
}

template <typename Rng>
Symbol chooseSymbol(Symbol cur, Symbol mid, Symbol bot, const WheelStrip& strip, Rng& rng)
{
    return chooseSymbol(cur, mid, bot, StopSets(strip), rng);
}

// Sets the top of the wheel (0..2) to the chosen symbol. Empty positions
// count as Blank.
template <typename Rng>
STRHAVEN_ALWAYS_INLINE void NextSymbol(ReelGrid& grid, int wheel, const StopSets& sets, Rng& rng)
{
    const int top = ReelGrid::position(wheel, 0);
    const int middle = ReelGrid::position(wheel, 1);
    const int bottom = ReelGrid::position(wheel, 2);
    grid.set(top, chooseSymbol(grid.at(top), grid.at(middle), grid.at(bottom), sets, rng));
}

template <typename Rng>
void NextSymbol(ReelGrid& grid, int wheel, const WheelStrip& strip, Rng& rng)
{
    NextSymbol(grid, wheel, StopSets(strip), rng);
}

} // namespace strhaven

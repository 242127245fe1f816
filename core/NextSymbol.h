#pragma once

#include "core/RandomSource.h"
#include "core/ReelGrid.h"
#include "core/WheelStrip.h"

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

// The stops a draw may land on, worked out once per strip for every state
// of a wheel. A stop is refused when:
//  - it is the symbol already at the top (no symbol twice in a row, and so
//    never two Blanks, since a Blank top refuses the Blank stops);
//  - it is an Emblem while the top is not Blank, or an Emblem is still in
//    sight below (an Emblem only enters above a Blank, once per window).
// Which of those applies depends only on the top symbol and on whether an
// Emblem is refused, so fourteen sets cover every state. Every strip has
// an acceptable stop in each: the even stops when the top is a symbol, the
// non-Emblem odd stops when it is Blank.
class StopSets {
public:
    explicit StopSets(const WheelStrip& strip) : m_strip(&strip)
    {
        for (int cur = 0; cur < SymbolCount; ++cur)
            for (int emblemRefused = 0; emblemRefused < 2; ++emblemRefused) {
                AcceptedStops& a = m_accepted[static_cast<std::size_t>(cur)][static_cast<std::size_t>(emblemRefused)];
                for (int i = 0; i < WheelStrip::Stops; ++i) {
                    const Symbol s = strip[i];
                    if (toIndex(s) == cur || (s == Symbol::Emblem && emblemRefused))
                        continue;
                    a.stops[static_cast<std::size_t>(a.count++)] = static_cast<std::uint8_t>(i);
                    a.mask |= std::uint64_t{1} << i;
                }
            }
    }

    const AcceptedStops& accepted(Symbol cur, bool emblemRefused) const
    {
        return m_accepted[static_cast<std::size_t>(toIndex(cur))][emblemRefused ? 1 : 0];
    }
    const WheelStrip& strip() const { return *m_strip; }

private:
    const WheelStrip* m_strip;
    std::array<std::array<AcceptedStops, 2>, SymbolCount> m_accepted{};
};

STRHAVEN_ALWAYS_INLINE const AcceptedStops& acceptedStops(Symbol cur, Symbol mid, Symbol bot, const StopSets& sets)
{
    // Bitwise, not short-circuit: these tests go either way at random, and
    // a branch on them would be mispredicted half of the time.
    const bool emblemRefused = (cur != Symbol::Blank) | (mid == Symbol::Emblem) | (bot == Symbol::Emblem);
    return sets.accepted(cur, emblemRefused);
}

// The symbol that enters a wheel's top row, given what the wheel shows from
// the top down: a stop drawn uniformly from the strip, drawn again while it
// is refused (acceptedStops). An Emblem at the top is always followed by a
// Blank, whatever was drawn. Rng needs nextStop() returning 0..41; one that
// offers stopAmong() picks among the accepted stops itself.
template <typename Rng>
STRHAVEN_ALWAYS_INLINE Symbol chooseSymbol(Symbol cur, Symbol mid, Symbol bot, const StopSets& sets, Rng& rng)
{
    const AcceptedStops& accepted = acceptedStops(cur, mid, bot, sets);
    int stop;
    if constexpr (requires { rng.stopAmong(accepted); }) {
        stop = rng.stopAmong(accepted);
    } else {
        stop = rng.nextStop();
        while (((accepted.mask >> stop) & 1) == 0)
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

#pragma once

#include "core/Symbol.h"

#include <array>
#include <cstdint>

namespace strhaven {

// The nine visible positions, numbered 0 to 8 row by row from the top left: three
// rows of three wheels, the middle row being the pay line. A position may
// show nothing (a symbol that could not be set); every rule that reads the
// grid sees such a position as Blank, but copying keeps it empty.
class ReelGrid {
public:
    static constexpr int Positions = 9;
    static constexpr int Wheels = 3;

    // First start: Emblem, RedSeven, TripleBar over a blank pay line over
    // DoubleBar, WhiteSeven, SingleBar.
    static constexpr ReelGrid defaultGrid()
    {
        ReelGrid g;
        constexpr std::array<Symbol, 9> d{Symbol::Emblem, Symbol::RedSeven, Symbol::TripleBar,
                                          Symbol::Blank,  Symbol::Blank,    Symbol::Blank,
                                          Symbol::DoubleBar, Symbol::WhiteSeven, Symbol::SingleBar};
        for (int i = 0; i < Positions; ++i)
            g.set(i, d[static_cast<std::size_t>(i)]);
        return g;
    }

    static constexpr int position(int wheel, int row) { return row * Wheels + wheel; }

    constexpr Symbol at(int pos) const
    {
        const auto c = m_cells[static_cast<std::size_t>(pos)];
        return c < 0 ? Symbol::Blank : static_cast<Symbol>(c);
    }
    constexpr bool isEmpty(int pos) const { return m_cells[static_cast<std::size_t>(pos)] < 0; }
    constexpr void set(int pos, Symbol s) { m_cells[static_cast<std::size_t>(pos)] = static_cast<std::int8_t>(s); }
    constexpr void clear(int pos) { m_cells[static_cast<std::size_t>(pos)] = Empty; }
    constexpr void copy(int from, int to)
    {
        m_cells[static_cast<std::size_t>(to)] = m_cells[static_cast<std::size_t>(from)];
    }

    constexpr bool operator==(const ReelGrid&) const = default;

private:
    static constexpr std::int8_t Empty = -1;
    std::array<std::int8_t, Positions> m_cells{Empty, Empty, Empty, Empty, Empty, Empty, Empty, Empty, Empty};
};

} // namespace strhaven

#pragma once

#include <cstdint>

namespace strhaven {

// The number of a symbol is the index of its picture; files and settings
// store these numbers, so the order is fixed.
enum class Symbol : std::uint8_t {
    Blank = 0,
    Emblem = 1,
    RedSeven = 2,
    TripleBar = 3,
    DoubleBar = 4,
    WhiteSeven = 5,
    SingleBar = 6,
};

inline constexpr int SymbolCount = 7;

constexpr int toIndex(Symbol s) { return static_cast<int>(s); }
constexpr Symbol symbolFromIndex(int i) { return static_cast<Symbol>(i); }

} // namespace strhaven

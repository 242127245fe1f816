#pragma once

#include "core/ReelGrid.h"

#include <array>
#include <cstdint>

namespace strhaven {

// Pay code 667 stands for an Emblem on every wheel, anywhere in the window,
// that is not three Emblems on the pay line. No pay line gives 667.
inline constexpr int AnywhereCode = 667;
inline constexpr int ThreeEmblemCode = 111;
inline constexpr int PayTableSize = 668;
inline constexpr int JackpotWin = 5000;

// Credits paid per credit bet, by pay code (100a + 10b + c of the pay line's
// symbol numbers, wheel 1 first). The same in every payout mode.
class PayTable {
public:
    std::int16_t operator[](int code) const { return m_pays[static_cast<std::size_t>(code)]; }
    std::int16_t& operator[](int code) { return m_pays[static_cast<std::size_t>(code)]; }

private:
    std::array<std::int16_t, PayTableSize> m_pays{};
};

// Derives every entry from the pay rules: an Emblem stands in for any symbol
// on the pay line and a line pays only its highest combination.
PayTable BuildPayTable();

constexpr int payLineCode(Symbol a, Symbol b, Symbol c)
{
    return 100 * toIndex(a) + 10 * toIndex(b) + toIndex(c);
}

// The code a grid is paid by: the pay line, then the anywhere rule, then an
// Emblem in a wheel's top or bottom row standing in for that wheel's pay
// line symbol.
int PayCode(const ReelGrid& grid);

// pay x bet, except that three Emblems with 3 credits pay 5000, not 4500.
constexpr int winFor(int payPerCredit, int bet)
{
    const int win = payPerCredit * bet;
    return win == 4500 ? JackpotWin : win;
}

struct Evaluation {
    int code;
    int payPerCredit;
    int win;
};

Evaluation evaluate(const ReelGrid& grid, const PayTable& table, int bet);

} // namespace strhaven

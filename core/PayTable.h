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

// What a pay line is paid for, as the pay table prints it, from the top
// row down; None pays nothing.
enum class Combination : std::uint8_t {
    None,
    ThreeEmblems,
    EmblemOnEveryWheel, // anywhere in the window, not three on the pay line
    ThreeRedSevens,
    ThreeWhiteSevens,
    AnyThreeSevens,
    ThreeTripleBars,
    ThreeDoubleBars,
    ThreeSingleBars,
    AnyThreeBars,
    TwoEmblems,
    OneEmblem,
};
inline constexpr int CombinationCount = 12;

// Credits paid per credit bet, and the combination paid, by pay code
// (100a + 10b + c of the pay line's symbol numbers, wheel 1 first). The
// same in every payout mode.
class PayTable {
public:
    std::int16_t operator[](int code) const { return m_pays[static_cast<std::size_t>(code)]; }
    Combination combination(int code) const { return m_combinations[static_cast<std::size_t>(code)]; }
    // What the combination pays per credit bet.
    int pay(Combination c) const { return m_combinationPays[static_cast<std::size_t>(c)]; }

    void set(int code, std::int16_t pay, Combination c);

private:
    std::array<std::int16_t, PayTableSize> m_pays{};
    std::array<Combination, PayTableSize> m_combinations{};
    std::array<int, CombinationCount> m_combinationPays{};
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
    Combination combination;
    int payPerCredit;
    int win;
};

Evaluation evaluate(const ReelGrid& grid, const PayTable& table, int bet);

} // namespace strhaven

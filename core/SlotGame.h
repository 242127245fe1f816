#pragma once

#include "core/ReelGrid.h"

#include <cstdint>
#include <string>

namespace strhaven {

inline constexpr std::int32_t CounterCap = 100000;

// Counters never wrap: every increase is followed by the cap.
constexpr void addCapped(std::int32_t& counter, std::int32_t amount)
{
    const std::int64_t sum = static_cast<std::int64_t>(counter) + amount;
    counter = sum > CounterCap ? CounterCap : static_cast<std::int32_t>(sum);
}

// The value shown by WON or BET advanced by one: the shown number is read,
// its integer part taken and one added. Text that is not a number reads 0.
std::string advancedDisplay(const std::string& shown);

// The one game of a run. The bet and the win of the last spin are kept as
// the texts the displays show, because game files carry them unchanged.
struct SlotGame {
    std::int32_t credits = 0;
    std::int32_t spins = 0;
    std::int32_t amountInserted = 0; // dollars
    std::int32_t creditsPlayed = 0;
    std::int32_t creditsWon = 0;
    bool changed = false; // against the game's file
    std::string wonShown = "0";
    std::string playedShown = "0";
    ReelGrid grid = ReelGrid::defaultGrid();

    // What start-up and every new game do to the counters and displays.
    void resetCounters();
};

} // namespace strhaven

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace strhaven {

// A machine's denomination is held as Machine, the credits one dollar buys,
// a single-precision number as settings and game files store it.
struct Denomination {
    std::string_view caption;
    float machine;
    int cents;
};

inline constexpr std::array<Denomination, 7> Denominations{{
    {"Nickel", 20.0f, 5},
    {"Dime", 10.0f, 10},
    {"Quarter", 4.0f, 25},
    {"Half Dollar", 2.0f, 50},
    {"Dollar", 1.0f, 100},
    {"Two Dollars", 0.5f, 200},
    {"Five Dollars", 0.2f, 500},
}};

inline constexpr float DefaultMachine = 1.0f;

// 100 / Machine to the nearest whole number: the index of the coin picture.
int coinCents(float machine);

// The denomination whose Machine equals the value exactly, if any.
std::optional<Denomination> denominationFor(float machine);

// Machines below one credit per dollar take no $5 bill.
constexpr bool fiveDollarSlotShut(float machine) { return machine < 1.0f; }

// Credits a bill of the given dollars buys, rounded half to even.
std::int32_t billCredits(int dollars, float machine);

// Credits counted again for another denomination: what was won or lost
// stays, the money inserted is counted at the new denomination. The exact
// count is rarely whole, and may lie below zero (more lost than the money
// buys at the new denomination) or above the cap, where no game file could
// hold it: the credits shown are the exact count rounded half to even and
// held within 0..CounterCap, and `unshown` is the rest, which the next
// conversion counts in. So no sequence of changes makes credits from
// nothing, or loses more than the rounding of one conversion.
struct Credits {
    std::int32_t shown = 0;
    double unshown = 0.0;
};
Credits convertedCredits(Credits credits, std::int32_t amountInserted, float oldMachine, float newMachine);

} // namespace strhaven

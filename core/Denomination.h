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

// The credits after the machine changes from oldMachine to newMachine: what
// was won or lost stays, the money inserted is counted again at the new
// denomination. Rounded half to even and held within 0..CounterCap, because
// a game saved with a count outside that range could never be opened again.
std::int32_t convertedCredits(std::int32_t credits, std::int32_t amountInserted, float oldMachine, float newMachine);

} // namespace strhaven

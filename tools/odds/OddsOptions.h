#pragma once

#include "core/PayoutMode.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace strhaven {

struct OddsOptions {
    bool help = false;
    bool simulate = false; // exact figures otherwise
    std::uint64_t spins = 0;
    std::uint64_t seed = 1;
    int threads = 1;
    bool json = false;
    std::vector<PayoutMode> modes; // in the order given; all three when none is
};

// A rejected command line: the argument at fault, as given, and a message
// for the user that names it.
struct ArgumentError {
    std::string argument;
    std::string message;
};

inline constexpr int MaxThreads = 64;

// The arguments after the program name. Options take their value as the
// next argument or after '=' (--simulate 1000, --simulate=1000).
std::variant<OddsOptions, ArgumentError> parseOddsArguments(std::span<const std::string_view> args);

std::string oddsUsage(std::string_view program);

} // namespace strhaven

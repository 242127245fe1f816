#include "core/SlotGame.h"

#include <charconv>
#include <cmath>

namespace strhaven {

std::string advancedDisplay(const std::string& shown)
{
    // from_chars, not strtod: the display must not depend on the user's locale.
    const char* first = shown.data();
    const char* last = first + shown.size();
    while (first != last && *first == ' ')
        ++first;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    const double whole = (ec != std::errc{} || !std::isfinite(value)) ? 0.0 : std::floor(value);
    return std::to_string(static_cast<long long>(whole) + 1);
}

void SlotGame::resetCounters()
{
    credits = spins = amountInserted = creditsPlayed = creditsWon = 0;
    wonShown = "0";
    playedShown = "0";
}

} // namespace strhaven

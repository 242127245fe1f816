#include "Denomination.h"

#include <cmath>

namespace strhaven {

int coinCents(float machine)
{
    const float cents = 100.0f / machine;
    if (!(machine > 0.0f) || !std::isfinite(cents))
        return 0;
    return static_cast<int>(std::lround(cents));
}

std::optional<Denomination> denominationFor(float machine)
{
    for (const auto& d : Denominations)
        if (d.machine == machine)
            return d;
    return std::nullopt;
}

std::int32_t billCredits(int dollars, float machine)
{
    // nearbyint rounds half to even in the default rounding mode.
    return static_cast<std::int32_t>(std::nearbyint(static_cast<double>(dollars) * static_cast<double>(machine)));
}

} // namespace strhaven

#include "core/Denomination.h"

#include "core/SlotGame.h"

#include <algorithm>
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

Credits convertedCredits(Credits credits, std::int32_t amountInserted, float oldMachine, float newMachine)
{
    const double inserted = amountInserted;
    const double exact = static_cast<double>(credits.shown) + credits.unshown -
                         inserted * static_cast<double>(oldMachine) + inserted * static_cast<double>(newMachine);
    if (std::isnan(exact))
        return credits;
    // nearbyint rounds half to even in the default rounding mode.
    const double shown = std::clamp(std::nearbyint(exact), 0.0, static_cast<double>(CounterCap));
    return {static_cast<std::int32_t>(shown), exact - shown};
}

} // namespace strhaven

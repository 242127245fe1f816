#pragma once

#include "seams/Pacer.h"

namespace strhaven {

// Sleeps (never spins) for a fixed real time per unit, chosen so that wheel
// speed 5 gives a spin of about three seconds (270 x 500000 units).
class RealPacer final : public Pacer {
public:
    static constexpr double NanosecondsPerUnit = 3.0e9 / (270.0 * 500000.0);
    void pause(std::int32_t units) override;
    void letEventsRun() override;
};

} // namespace strhaven

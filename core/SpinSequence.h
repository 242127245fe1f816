#pragma once

#include "NextSymbol.h"
#include "ReelGrid.h"
#include "WheelStrip.h"

#include <array>
#include <cstdint>

namespace strhaven {

// One spin as data: 210 steps in three phases. Phase 1 turns all three
// wheels for 15 frames, phase 2 wheels 2 and 3 for 10 frames, phase 3 only
// wheel 3 for 5 frames. Every frame moves its wheels down one row (bottom
// takes middle, middle takes top, in the documented order) and then asks for
// the symbol entering each turning wheel. So wheel 1 moves 15 rows, wheel 2
// 25 and wheel 3 30, with 70 new symbols in all.
//
// Each step is preceded by a pause of the phase's value; the GUI sleeps and
// repaints between steps, the simulator runs them back to back.
struct SpinStep {
    enum class Kind : std::uint8_t { Copy, Next };
    Kind kind;
    std::uint8_t phase; // 1..3
    std::uint8_t from;  // Copy: source position; Next: the wheel 0..2
    std::uint8_t to;    // Copy: target position
};

inline constexpr int SpinStepCount = 210;
inline constexpr int SpinNextSymbolCount = 70;
inline constexpr std::array<int, 3> SpinFrames{15, 10, 5};

const std::array<SpinStep, SpinStepCount>& spinSteps();

// d1 = WheelSpeed x 100000, d2 = int(1.5 x d1), d3 = 2 x d2.
constexpr std::int32_t pauseUnits(int phase, int wheelSpeed)
{
    const std::int32_t d1 = wheelSpeed * 100000;
    const std::int32_t d2 = d1 + d1 / 2;
    return phase == 1 ? d1 : phase == 2 ? d2 : 2 * d2;
}

template <typename Rng>
void applyStep(const SpinStep& step, ReelGrid& grid, const WheelStrip& strip, Rng& rng)
{
    if (step.kind == SpinStep::Kind::Copy)
        grid.copy(step.from, step.to);
    else
        NextSymbol(grid, step.from, strip, rng);
}

// The whole spin at full speed, through the same steps the GUI plays back.
template <typename Rng>
void runSpin(ReelGrid& grid, const WheelStrip& strip, Rng& rng)
{
    for (const SpinStep& step : spinSteps())
        applyStep(step, grid, strip, rng);
}

} // namespace strhaven

#pragma once

#include "core/NextSymbol.h"
#include "core/ReelGrid.h"
#include "core/WheelStrip.h"

#include <array>
#include <cstdint>
#include <utility>

namespace strhaven {

// One spin as data: 210 steps in three phases. Phase 1 turns all three
// wheels for 15 frames, phase 2 wheels 2 and 3 for 10 frames, phase 3 only
// wheel 3 for 5 frames. Every frame moves its wheels down one row (bottom
// takes middle, then middle takes top, so nothing is overwritten before it
// has moved) and then asks for the symbol entering each turning wheel. So wheel 1 moves 15 rows, wheel 2
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

namespace detail {

constexpr std::array<SpinStep, SpinStepCount> buildSpinSteps()
{
    std::array<SpinStep, SpinStepCount> steps{};
    std::size_t n = 0;
    auto copy = [&](std::uint8_t phase, int from, int to) {
        steps[n++] = {SpinStep::Kind::Copy, phase, static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)};
    };
    auto next = [&](std::uint8_t phase, int wheel) {
        steps[n++] = {SpinStep::Kind::Next, phase, static_cast<std::uint8_t>(wheel), 0};
    };
    // Positions are 0-based here: the top left is 0, the bottom right 8.
    for (int frame = 0; frame < 15; ++frame) {
        copy(1, 3, 6);
        copy(1, 4, 7);
        copy(1, 5, 8);
        copy(1, 0, 3);
        copy(1, 1, 4);
        copy(1, 2, 5);
        next(1, 0);
        next(1, 1);
        next(1, 2);
    }
    for (int frame = 0; frame < 10; ++frame) {
        copy(2, 4, 7);
        copy(2, 5, 8);
        copy(2, 1, 4);
        copy(2, 2, 5);
        next(2, 1);
        next(2, 2);
    }
    for (int frame = 0; frame < 5; ++frame) {
        copy(3, 5, 8);
        copy(3, 2, 5);
        next(3, 2);
    }
    return steps;
}

inline constexpr std::array<SpinStep, SpinStepCount> SpinStepTable = buildSpinSteps();

} // namespace detail

const std::array<SpinStep, SpinStepCount>& spinSteps();

// d1 = WheelSpeed x 100000, d2 = int(1.5 x d1), d3 = 2 x d2.
constexpr std::int32_t pauseUnits(int phase, int wheelSpeed)
{
    const std::int32_t d1 = wheelSpeed * 100000;
    const std::int32_t d2 = d1 + d1 / 2;
    return phase == 1 ? d1 : phase == 2 ? d2 : 2 * d2;
}

// One step, for playing a spin back a step at a time; the stop sets are
// worked out once per spin by the caller.
template <typename Rng>
void applyStep(const SpinStep& step, ReelGrid& grid, const StopSets& sets, Rng& rng)
{
    if (step.kind == SpinStep::Kind::Copy)
        grid.copy(step.from, step.to);
    else
        NextSymbol(grid, step.from, sets, rng);
}

namespace detail {

constexpr int phaseStart(int phase)
{
    int n = 0;
    while (n < SpinStepCount && SpinStepTable[static_cast<std::size_t>(n)].phase <= phase)
        ++n;
    return n;
}
constexpr int frameSteps(int phase)
{
    return (phaseStart(phase + 1) - phaseStart(phase)) / SpinFrames[static_cast<std::size_t>(phase)];
}

// Every frame of a phase does the same steps, so a phase can run as a loop
// over one frame whose steps are known when compiling.
constexpr bool framesRepeat()
{
    for (int phase = 0; phase < 3; ++phase)
        for (int frame = 1; frame < SpinFrames[static_cast<std::size_t>(phase)]; ++frame)
            for (int i = 0; i < frameSteps(phase); ++i) {
                const SpinStep& a = SpinStepTable[static_cast<std::size_t>(phaseStart(phase) + i)];
                const SpinStep& b = SpinStepTable[static_cast<std::size_t>(phaseStart(phase) + frame * frameSteps(phase) + i)];
                if (a.kind != b.kind || a.from != b.from || a.to != b.to)
                    return false;
            }
    return phaseStart(3) == SpinStepCount;
}
static_assert(framesRepeat());

template <SpinStep Step, typename Rng>
STRHAVEN_ALWAYS_INLINE void applyFixedStep(ReelGrid& grid, const StopSets& sets, Rng& rng)
{
    if constexpr (Step.kind == SpinStep::Kind::Copy)
        grid.copy(Step.from, Step.to);
    else
        NextSymbol(grid, Step.from, sets, rng);
}

template <int Phase, typename Rng>
STRHAVEN_ALWAYS_INLINE void runPhase(ReelGrid& grid, const StopSets& sets, Rng& rng)
{
    for (int frame = 0; frame < SpinFrames[Phase]; ++frame)
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            (applyFixedStep<SpinStepTable[phaseStart(Phase) + I]>(grid, sets, rng), ...);
        }(std::make_index_sequence<frameSteps(Phase)>{});
}

} // namespace detail

// The whole spin at full speed, through the same steps the GUI plays back.
// The steps are laid out when compiling and the grid is worked on in a
// local copy that lives in registers: walking the table at run time on the
// grid in memory ran the simulator at three quarters of this speed.
template <typename Rng>
void runSpin(ReelGrid& grid, const StopSets& sets, Rng& rng)
{
    ReelGrid local = grid;
    detail::runPhase<0>(local, sets, rng);
    detail::runPhase<1>(local, sets, rng);
    detail::runPhase<2>(local, sets, rng);
    grid = local;
}

template <typename Rng>
void runSpin(ReelGrid& grid, const WheelStrip& strip, Rng& rng)
{
    runSpin(grid, StopSets(strip), rng);
}

} // namespace strhaven

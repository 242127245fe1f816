#include "SpinSequence.h"

namespace strhaven {

namespace {

constexpr std::array<SpinStep, SpinStepCount> buildSteps()
{
    std::array<SpinStep, SpinStepCount> steps{};
    std::size_t n = 0;
    auto copy = [&](std::uint8_t phase, int from, int to) {
        steps[n++] = {SpinStep::Kind::Copy, phase, static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)};
    };
    auto next = [&](std::uint8_t phase, int wheel) {
        steps[n++] = {SpinStep::Kind::Next, phase, static_cast<std::uint8_t>(wheel), 0};
    };
    // Positions are 0-based here: Position1 is 0, Position9 is 8.
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

constexpr std::array<SpinStep, SpinStepCount> Steps = buildSteps();

} // namespace

const std::array<SpinStep, SpinStepCount>& spinSteps() { return Steps; }

} // namespace strhaven

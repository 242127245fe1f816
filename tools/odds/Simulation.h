#pragma once

#include "tools/odds/ParSheet.h"

#include <cstdint>

namespace strhaven {

struct SimulationResult {
    ParSheet sheet;
    double spinsPerSecond = 0;
    // 95 % confidence interval for the return betting 1, from batch means
    // (successive spins share wheel positions, so single spins are not
    // independent); NaN with fewer than two batches.
    double returnLow = 0;
    double returnHigh = 0;
};

// Plays the spins through the game's own code (runSpin with FastRandom,
// evaluate with BuildPayTable), each spin from the grid the last one left,
// the first from the default grid. Each thread plays its share with its own
// generator and its own chain of grids; the results are merged.
SimulationResult simulate(PayoutMode mode, std::uint64_t spins, std::uint64_t seed, int threads);

// The seed of one thread's generator. Thread 0 uses the seed itself, so a
// one-thread run plays exactly what FastRandom(seed) deals.
std::uint64_t threadSeed(std::uint64_t seed, int thread);

} // namespace strhaven

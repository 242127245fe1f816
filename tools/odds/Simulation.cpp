#include "tools/odds/Simulation.h"

#include "core/RandomSource.h"
#include "core/SpinSequence.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

namespace strhaven {

namespace {

// Enough batches for a usable spread, few enough that each batch is long
// against the correlation between neighbouring spins.
constexpr std::uint64_t BatchesPerThread = 50;

struct ThreadRun {
    OutcomeTally tally;
    std::vector<double> batchReturns;
};

void play(ThreadRun& run, const WheelStrip& strip, const PayTable& table, std::uint64_t spins, std::uint64_t seed)
{
    FastRandom rng(seed);
    const StopSets sets(strip);
    ReelGrid grid = ReelGrid::defaultGrid();
    const std::uint64_t batches = std::min(spins, BatchesPerThread);
    std::uint64_t done = 0;
    for (std::uint64_t b = 0; b < batches; ++b) {
        const std::uint64_t end = spins * (b + 1) / batches;
        std::int64_t paid = 0;
        for (std::uint64_t n = done; n < end; ++n) {
            runSpin(grid, sets, rng);
            paid += run.tally.add(grid, table).payPerCredit;
        }
        run.batchReturns.push_back(static_cast<double>(paid) / static_cast<double>(end - done));
        done = end;
    }
}

} // namespace

std::uint64_t threadSeed(std::uint64_t seed, int thread)
{
    return seed + static_cast<std::uint64_t>(thread) * 0xD1B54A32D192ED03ULL;
}

SimulationResult simulate(PayoutMode mode, std::uint64_t spins, std::uint64_t seed, int threads)
{
    WheelStrip strip;
    strip.fill(mode);
    const PayTable table = BuildPayTable();
    std::vector<ThreadRun> runs(static_cast<std::size_t>(threads));

    const auto started = std::chrono::steady_clock::now();
    {
        std::vector<std::jthread> workers;
        for (int t = 0; t < threads; ++t) {
            const std::uint64_t share = spins / static_cast<std::uint64_t>(threads) +
                                        (static_cast<std::uint64_t>(t) < spins % static_cast<std::uint64_t>(threads));
            workers.emplace_back(play, std::ref(runs[static_cast<std::size_t>(t)]), std::cref(strip), std::cref(table),
                                 share, threadSeed(seed, t));
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;

    OutcomeTally total;
    std::vector<double> batchReturns;
    for (const ThreadRun& r : runs) {
        total.merge(r.tally);
        batchReturns.insert(batchReturns.end(), r.batchReturns.begin(), r.batchReturns.end());
    }

    SimulationResult result;
    result.sheet = total.sheet(mode, table);
    result.sheet.exact = false;
    result.sheet.spins = spins;
    result.spinsPerSecond = elapsed.count() > 0 ? static_cast<double>(spins) / elapsed.count() : 0.0;

    const auto k = static_cast<double>(batchReturns.size());
    if (batchReturns.size() < 2) {
        result.returnLow = result.returnHigh = std::numeric_limits<double>::quiet_NaN();
        return result;
    }
    double mean = 0;
    for (double r : batchReturns)
        mean += r;
    mean /= k;
    double spread = 0;
    for (double r : batchReturns)
        spread += (r - mean) * (r - mean);
    const double halfWidth = 1.96 * std::sqrt(spread / (k - 1) / k);
    result.returnLow = result.sheet.returnBet1 - halfWidth;
    result.returnHigh = result.sheet.returnBet1 + halfWidth;
    return result;
}

} // namespace strhaven

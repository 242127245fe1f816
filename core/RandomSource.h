#pragma once

#include <array>
#include <cstdint>

namespace strhaven {

// The stops a draw may land on in one state of a wheel: their indices, how
// many there are, and the same set as one bit per stop.
struct AcceptedStops {
    std::array<std::uint8_t, 42> stops{};
    int count = 0;
    std::uint64_t mask = 0;
};

// Where the stop choice gets its randomness. The game seeds one source at
// start; tests inject their own.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A stop index 0..41, each equally likely.
    virtual int nextStop() = 0;
    // One of the accepted stops, each equally likely. By default stops are
    // drawn until one is accepted; a generator may pick among the accepted
    // ones directly, which gives the very same odds in one draw.
    virtual int stopAmong(const AcceptedStops& accepted)
    {
        int stop = nextStop();
        while (((accepted.mask >> stop) & 1) == 0)
            stop = nextStop();
        return stop;
    }
};

// xoshiro256** seeded through splitmix64: fast, small, and good enough for a
// game whose draws must only be uniform and independent. Stops come from
// Lemire's multiply-and-reject, so the 42 stops are exactly equally likely
// (a plain modulo would favour the low stops by one part in 10^8).
// It picks among the accepted stops in one draw: a draw-until-accepted loop
// turns on a coin toss half of the time, and the processor's mispredicted
// branches would then cost more than the drawing itself. The class is final
// so that code holding a FastRandom calls it directly, with no virtual
// dispatch in the simulator's inner loop.
class FastRandom final : public RandomSource {
public:
    explicit FastRandom(std::uint64_t seed)
    {
        for (auto& s : m_state) {
            seed += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            s = z ^ (z >> 31);
        }
    }

    std::uint64_t next64()
    {
        const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
        const std::uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        return result;
    }

    // Uniform in [0, bound) without bias.
    std::uint32_t below(std::uint32_t bound)
    {
        std::uint64_t m = (next64() >> 32) * bound;
        auto low = static_cast<std::uint32_t>(m);
        if (low < bound) {
            const std::uint32_t threshold = (0u - bound) % bound;
            while (low < threshold) {
                m = (next64() >> 32) * bound;
                low = static_cast<std::uint32_t>(m);
            }
        }
        return static_cast<std::uint32_t>(m >> 32);
    }

    int nextStop() override { return static_cast<int>(below(42)); }

    int stopAmong(const AcceptedStops& accepted) override
    {
        return accepted.stops[below(static_cast<std::uint32_t>(accepted.count))];
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t m_state[4]{};
};

} // namespace strhaven

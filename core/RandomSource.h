#pragma once

#include <cstdint>

namespace strhaven {

// Where the stop choice gets its randomness: a stop index 0..41, each
// equally likely. The game seeds one source at start; tests inject their own.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int nextStop() = 0;
};

// xoshiro256** seeded through splitmix64: fast, small, and good enough for a
// game whose draws must only be uniform and independent. Stops come from
// Lemire's multiply-and-reject, so the 42 stops are exactly equally likely
// (a plain modulo would favour the low stops by one part in 10^8).
// The class is final so that code holding a FastRandom calls nextStop()
// directly, with no virtual dispatch in the simulator's inner loop.
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

    // Draws stops until one is in the accepted set (bit i for stop i) and
    // returns it: the same draws as calling nextStop() until one is
    // accepted, since a number that below() would throw away is simply
    // one more refused draw. One test per draw instead of two keeps the
    // stop choice's loop short.
    int nextStopIn(std::uint64_t accepted)
    {
        constexpr std::uint32_t Stops = 42;
        constexpr std::uint32_t Threshold = (0u - Stops) % Stops;
        for (;;) {
            const std::uint64_t m = (next64() >> 32) * Stops;
            const std::uint64_t stop = m >> 32;
            if ((accepted >> stop) & std::uint64_t{static_cast<std::uint32_t>(m) >= Threshold})
                return static_cast<int>(stop);
        }
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t m_state[4]{};
};

} // namespace strhaven

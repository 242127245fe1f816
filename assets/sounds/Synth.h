#pragma once

#include <cstdint>
#include <vector>

namespace strhaven::soundgen {

inline constexpr double Pi = 3.14159265358979323846;

// A small fixed generator of our own, so that every build of the sounds gives
// the same bytes whatever the standard library's distributions do.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    double uniform();                     // [0, 1)
    double bipolar() { return 2.0 * uniform() - 1.0; } // [-1, 1)

private:
    std::uint64_t m_state;
};

// One mode of a struck body: its frequency as a multiple of the strike's
// fundamental, its starting level and its time to fall by 1/e.
struct Partial {
    double ratio;
    double amplitude;
    double decaySeconds;
};

// A mono buffer with its rate. With `looped` set, everything added past the
// end comes round to the start, which is how a looping sound stays seamless.
struct Track {
    Track(double rate, std::size_t length, bool looped = false)
        : sampleRate(rate), samples(length, 0.0), looped(looped) {}
    double sampleRate;
    std::vector<double> samples;
    bool looped;

    void add(long long index, double value);
    std::size_t indexAt(double seconds) const { return static_cast<std::size_t>(seconds * sampleRate + 0.5); }
};

// Adds a struck resonator (bell, coin, ratchet tooth) at `start`. Partials at
// or above 45 % of the sample rate are left out so they cannot alias.
void addStrike(Track& track, double startSeconds, double frequency, double gain, const std::vector<Partial>& partials);

// Adds a short burst of noise that dies away, the impact of a strike.
void addNoiseBurst(Track& track, double startSeconds, double gain, double decaySeconds, Rng& rng);

double noteFrequency(int midiNote);

// Scales every channel by one common factor so that the loudest sample of
// all reaches `peak`.
void normalise(std::vector<std::vector<double>>& channels, double peak);

// A raised-cosine fade to silence over the last `seconds` of the track.
void fadeOut(Track& track, double seconds);

// Two-pole band-pass (constant peak gain). Run over a looped track twice so
// that the filter's state at the seam is the one it would have in the loop.
class BandPass {
public:
    BandPass(double sampleRate, double centre, double q);
    double step(double x);

private:
    double m_b0, m_b2, m_a1, m_a2;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

std::vector<double> filterLooped(const std::vector<double>& input, BandPass filter);

} // namespace strhaven::soundgen

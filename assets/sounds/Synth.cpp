#include "assets/sounds/Synth.h"

#include <algorithm>
#include <cmath>

namespace strhaven::soundgen {

double Rng::uniform()
{
    // xorshift64*: plenty for noise and timing jitter.
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    const std::uint64_t r = m_state * 0x2545F4914F6CDD1Dull;
    return static_cast<double>(r >> 11) * (1.0 / 9007199254740992.0);
}

void Track::add(long long index, double value)
{
    const auto n = static_cast<long long>(samples.size());
    if (looped)
        index = ((index % n) + n) % n;
    else if (index < 0 || index >= n)
        return;
    samples[static_cast<std::size_t>(index)] += value;
}

void addStrike(Track& track, double startSeconds, double frequency, double gain, const std::vector<Partial>& partials)
{
    const auto start = static_cast<long long>(startSeconds * track.sampleRate + 0.5);
    for (const Partial& p : partials) {
        const double f = frequency * p.ratio;
        if (f >= 0.45 * track.sampleRate)
            continue;
        // Until the partial has fallen by 80 dB; a looped track must not
        // wrap a strike onto itself.
        auto length = static_cast<long long>(p.decaySeconds * std::log(1e4) * track.sampleRate);
        if (track.looped)
            length = std::min(length, static_cast<long long>(track.samples.size()));
        const double w = 2.0 * Pi * f / track.sampleRate;
        const double fall = std::exp(-1.0 / (p.decaySeconds * track.sampleRate));
        double level = gain * p.amplitude;
        for (long long i = 0; i < length; ++i) {
            track.add(start + i, level * std::sin(w * static_cast<double>(i)));
            level *= fall;
        }
    }
}

void addNoiseBurst(Track& track, double startSeconds, double gain, double decaySeconds, Rng& rng)
{
    const auto start = static_cast<long long>(startSeconds * track.sampleRate + 0.5);
    const auto length = static_cast<long long>(decaySeconds * 7.0 * track.sampleRate);
    const double fall = std::exp(-1.0 / (decaySeconds * track.sampleRate));
    double level = gain;
    for (long long i = 0; i < length; ++i) {
        track.add(start + i, level * rng.bipolar());
        level *= fall;
    }
}

double noteFrequency(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

void normalise(std::vector<std::vector<double>>& channels, double peak)
{
    double loudest = 0.0;
    for (const auto& channel : channels)
        for (double x : channel)
            loudest = std::max(loudest, std::abs(x));
    if (loudest <= 0.0)
        return;
    const double factor = peak / loudest;
    for (auto& channel : channels)
        for (double& x : channel)
            x *= factor;
}

void fadeOut(Track& track, double seconds)
{
    const auto n = track.samples.size();
    const auto length = std::min(n, static_cast<std::size_t>(seconds * track.sampleRate));
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i + 1) / static_cast<double>(length); // reaches 0 on the last sample
        track.samples[n - length + i] *= 0.5 * (1.0 + std::cos(Pi * t));
    }
}

BandPass::BandPass(double sampleRate, double centre, double q)
{
    const double w = 2.0 * Pi * centre / sampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    m_b0 = alpha / a0;
    m_b2 = -alpha / a0;
    m_a1 = -2.0 * std::cos(w) / a0;
    m_a2 = (1.0 - alpha) / a0;
}

double BandPass::step(double x)
{
    const double y = m_b0 * x + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1;
    m_x1 = x;
    m_y2 = m_y1;
    m_y1 = y;
    return y;
}

std::vector<double> filterLooped(const std::vector<double>& input, BandPass filter)
{
    for (double x : input)
        filter.step(x);
    std::vector<double> out;
    out.reserve(input.size());
    for (double x : input)
        out.push_back(filter.step(x));
    return out;
}

} // namespace strhaven::soundgen

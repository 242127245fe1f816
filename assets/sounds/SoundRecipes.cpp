#include "assets/sounds/SoundRecipes.h"

#include "assets/sounds/Synth.h"
#include "assets/sounds/WaveWriter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace strhaven::soundgen {

namespace {

std::vector<std::uint8_t> finish(const WaveLayout& layout, std::vector<std::vector<double>> channels, double peak,
                                 std::size_t expectedBytes)
{
    normalise(channels, peak);
    const auto pcm = encodePcm(layout, channels);
    if (pcm.size() != expectedBytes)
        throw std::logic_error("a sound came out with the wrong data size");
    return waveFile(layout, pcm);
}

// Adds a sinusoid that completes exactly `cycles` periods over the looped
// track, so its end meets its start.
void addLoopedSine(Track& track, int cycles, double gain, double phase = 0.0)
{
    const double n = static_cast<double>(track.samples.size());
    for (std::size_t i = 0; i < track.samples.size(); ++i)
        track.samples[i] += gain * std::sin(2.0 * Pi * cycles * static_cast<double>(i) / n + phase);
}

// A slow swell over the loop, also whole periods, to keep the whirr alive.
double loopedSwell(std::size_t i, std::size_t n, int cycles, double depth)
{
    return 1.0 - depth + depth * std::sin(2.0 * Pi * cycles * static_cast<double>(i) / static_cast<double>(n));
}

// A soft square-wave bass note under the fanfare.
void addBass(Track& track, double startSeconds, double seconds, double frequency, double gain)
{
    const auto start = track.indexAt(startSeconds);
    const auto length = track.indexAt(seconds);
    const double attack = 0.01 * track.sampleRate;
    const double release = 0.03 * track.sampleRate;
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / track.sampleRate;
        double env = std::exp(-t / (seconds / 2.5));
        env *= std::min(1.0, static_cast<double>(i) / attack);
        env *= std::min(1.0, static_cast<double>(length - i) / release);
        double v = 0.0;
        for (int h = 1; h <= 7; h += 2)
            v += std::sin(2.0 * Pi * frequency * h * t) / h;
        track.add(static_cast<long long>(start + i), gain * env * v);
    }
}

const std::vector<Partial>& bell()
{
    static const std::vector<Partial> partials = {
        {1.0, 1.0, 0.55}, {1.004, 0.3, 0.5}, {2.0, 0.45, 0.35}, {3.0, 0.22, 0.22}, {4.16, 0.16, 0.14}, {5.43, 0.1, 0.09},
    };
    return partials;
}

} // namespace

std::vector<std::uint8_t> wheelWave()
{
    const WaveLayout layout{1, 22050, 16};
    const std::size_t frames = 221676 / 2;
    Track track(layout.sampleRate, frames, true);
    Rng rng(0x5EE1u);

    // The ratchet of each of the three wheels, each at its own rate; a whole
    // number of teeth per loop.
    struct Ratchet {
        int teeth;
        double pitch;
        double gain;
    };
    const std::array<Ratchet, 3> ratchets{{{97, 1850.0, 0.9}, {89, 2400.0, 0.75}, {83, 3100.0, 0.65}}};
    const std::vector<Partial> tooth = {{1.0, 1.0, 0.004}, {1.63, 0.6, 0.003}, {2.71, 0.35, 0.002}};
    const std::vector<Partial> thunk = {{1.0, 1.0, 0.012}, {2.1, 0.3, 0.006}};
    const double loopSeconds = static_cast<double>(frames) / layout.sampleRate;
    for (const Ratchet& r : ratchets) {
        for (int k = 0; k < r.teeth; ++k) {
            // Half a tooth off the loop's start, so the seam falls between
            // clicks where only the whirr is heard.
            const double at = loopSeconds * (k + 0.5) / r.teeth + 0.003 * rng.bipolar();
            const double gain = r.gain * (0.85 + 0.3 * rng.uniform());
            addStrike(track, at, r.pitch * (0.97 + 0.06 * rng.uniform()), 0.35 * gain, tooth);
            addStrike(track, at, 320.0, 0.12 * gain, thunk);
            addNoiseBurst(track, at, 0.25 * gain, 0.0008, rng);
        }
    }

    // The motor: a hum near 97 Hz with its overtones, all whole periods.
    const int motorCycles = 490;
    for (int h = 1; h <= 8; ++h)
        addLoopedSine(track, motorCycles * h, 0.1 / std::pow(h, 1.2), 0.7 * h);

    // Air rushing past the wheels: noise filtered round the loop.
    std::vector<double> noise(frames);
    for (double& x : noise)
        x = rng.bipolar();
    const auto rush = filterLooped(noise, BandPass(layout.sampleRate, 700.0, 0.8));
    const auto sheen = filterLooped(noise, BandPass(layout.sampleRate, 2500.0, 1.5));
    for (std::size_t i = 0; i < frames; ++i)
        track.samples[i] += loopedSwell(i, frames, 20, 0.3) * (0.5 * rush[i] + 0.15 * sheen[i]);

    return finish(layout, {track.samples}, 0.7, 221676);
}

std::vector<std::uint8_t> coinWave()
{
    const WaveLayout layout{2, 22050, 8};
    const std::size_t frames = 4390 / 2;
    Track left(layout.sampleRate, frames);
    Track right(layout.sampleRate, frames);
    Rng rng(0xC01Bu);

    // A small metal disc rings with inharmonic modes that die away fast.
    const std::vector<Partial> disc = {
        {1.0, 1.0, 0.040}, {1.505, 0.55, 0.030}, {2.27, 0.5, 0.022},
        {2.76, 0.6, 0.018}, {3.43, 0.3, 0.012}, {4.1, 0.25, 0.009},
    };
    struct Impact {
        double at, pitch, leftGain, rightGain;
    };
    // The coin lands, strikes the coin below it and settles.
    const std::array<Impact, 3> impacts{{{0.002, 2350.0, 1.0, 0.7}, {0.036, 3020.0, 0.55, 0.8}, {0.066, 2650.0, 0.25, 0.25}}};
    for (const Impact& hit : impacts) {
        addStrike(left, hit.at, hit.pitch, hit.leftGain, disc);
        addStrike(right, hit.at, hit.pitch * 1.003, hit.rightGain, disc);
        addNoiseBurst(left, hit.at, 0.4 * hit.leftGain, 0.0006, rng);
        addNoiseBurst(right, hit.at, 0.4 * hit.rightGain, 0.0006, rng);
    }
    fadeOut(left, 0.012);
    fadeOut(right, 0.012);
    return finish(layout, {left.samples, right.samples}, 0.85, 4390);
}

std::vector<std::uint8_t> jackpotWave()
{
    const WaveLayout layout{1, 11025, 8};
    const std::size_t frames = 63388;
    Track track(layout.sampleRate, frames);
    Rng rng(0x1AC4907u);
    const auto ring = [&](double at, int note, double gain) {
        addStrike(track, at, noteFrequency(note), gain, bell());
    };

    // A rising arpeggio in C major, three octave-climbing runs.
    const std::array<int, 12> arpeggio{72, 76, 79, 84, 76, 79, 84, 88, 79, 84, 88, 91};
    for (std::size_t i = 0; i < arpeggio.size(); ++i)
        ring(0.05 + 0.1 * static_cast<double>(i), arpeggio[i], 0.4 + 0.01 * static_cast<double>(i));

    // A full chord, then the alarm bell trilling over a walking bass.
    for (int note : {84, 88, 91})
        ring(1.25, note, 0.5);
    addBass(track, 1.25, 0.3, noteFrequency(48), 0.35);
    for (int i = 0; i < 16; ++i)
        ring(1.55 + 0.1 * i, i % 2 ? 88 : 91, 0.4);
    const std::array<int, 4> walk{48, 43, 48, 43};
    for (std::size_t i = 0; i < walk.size(); ++i)
        addBass(track, 1.55 + 0.4 * static_cast<double>(i), 0.35, noteFrequency(walk[i]), 0.35);

    // A scale run up to the top C, and the closing chord.
    const std::array<int, 8> run{84, 86, 88, 89, 91, 93, 95, 96};
    for (std::size_t i = 0; i < run.size(); ++i)
        ring(3.15 + 0.1 * static_cast<double>(i), run[i], 0.35 + 0.025 * static_cast<double>(i));
    for (int note : {72, 76, 79, 84, 88})
        ring(3.95, note, 0.5);
    addBass(track, 3.95, 1.2, noteFrequency(48), 0.4);

    // Sparkles over the dying chord.
    const std::array<int, 4> sparkle{91, 96, 100, 103};
    for (int i = 0; i < 14; ++i) {
        const double at = 4.1 + 1.1 * rng.uniform();
        ring(at, sparkle[static_cast<std::size_t>(rng.uniform() * 4.0)], 0.12 + 0.06 * rng.uniform());
    }
    fadeOut(track, 0.35);
    // Soft saturation keeps the dense chords loud without hard clipping at 8 bits.
    for (double& x : track.samples)
        x = std::tanh(0.6 * x);
    return finish(layout, {track.samples}, 0.92, 63388);
}

} // namespace strhaven::soundgen

#pragma once

#include <cstdint>
#include <vector>

namespace strhaven::soundgen {

// The game's three sounds as complete WAV file images. Each recipe is fixed
// (seeded noise, set timings), so a rebuild gives the same bytes.

// Whirring, ratcheting wheels: mono 22050 Hz 16-bit, 221676 data bytes. Every
// component repeats a whole number of times over the sound, so it loops
// without a seam.
std::vector<std::uint8_t> wheelWave();

// A coin dropping onto coins: stereo 22050 Hz 8-bit, 4390 data bytes.
std::vector<std::uint8_t> coinWave();

// The top-award fanfare of bells: mono 11025 Hz 8-bit, 63388 data bytes.
std::vector<std::uint8_t> jackpotWave();

} // namespace strhaven::soundgen

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace strhaven::soundgen {

// The layout every sound of the game uses: RIFF WAVE, uncompressed PCM, a
// "fact" chunk with the frame count, then the data chunk.
struct WaveLayout {
    int channels = 1;
    int sampleRate = 22050;
    int bitsPerSample = 16;
    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
};

// Channels are given as separate buffers of equal length, each sample in
// [-1, 1]; values outside are clamped. 8-bit data is unsigned, 16-bit signed.
std::vector<std::uint8_t> encodePcm(const WaveLayout& layout, const std::vector<std::vector<double>>& channels);

// The complete file image around already encoded PCM data.
std::vector<std::uint8_t> waveFile(const WaveLayout& layout, const std::vector<std::uint8_t>& pcm);

// Throws std::runtime_error when the file cannot be written completely.
void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace strhaven::soundgen

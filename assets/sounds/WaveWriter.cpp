#include "assets/sounds/WaveWriter.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace strhaven::soundgen {

namespace {

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
}

} // namespace

std::vector<std::uint8_t> encodePcm(const WaveLayout& layout, const std::vector<std::vector<double>>& channels)
{
    if (channels.size() != static_cast<std::size_t>(layout.channels))
        throw std::invalid_argument("channel count does not match the layout");
    const std::size_t frames = channels.front().size();
    std::vector<std::uint8_t> out;
    out.reserve(frames * static_cast<std::size_t>(layout.bytesPerFrame()));
    for (std::size_t i = 0; i < frames; ++i) {
        for (const auto& channel : channels) {
            const double x = std::clamp(channel.at(i), -1.0, 1.0);
            if (layout.bitsPerSample == 8) {
                out.push_back(static_cast<std::uint8_t>(std::lround(128.0 + 127.0 * x)));
            } else {
                const auto s = static_cast<std::int16_t>(std::lround(32767.0 * x));
                putLittleEndian(out, static_cast<std::uint16_t>(s), 2);
            }
        }
    }
    return out;
}

std::vector<std::uint8_t> waveFile(const WaveLayout& layout, const std::vector<std::uint8_t>& pcm)
{
    const auto dataSize = static_cast<std::uint32_t>(pcm.size());
    const auto frameSize = static_cast<std::uint32_t>(layout.bytesPerFrame());
    const std::uint32_t fmtSize = 16;
    const std::uint32_t factSize = 4;
    const std::uint32_t pad = dataSize % 2;
    const std::uint32_t riffSize = 4 + (8 + fmtSize) + (8 + factSize) + (8 + dataSize + pad);

    std::vector<std::uint8_t> out;
    out.reserve(8 + riffSize);
    putTag(out, "RIFF");
    putLittleEndian(out, riffSize, 4);
    putTag(out, "WAVE");

    putTag(out, "fmt ");
    putLittleEndian(out, fmtSize, 4);
    putLittleEndian(out, 1, 2); // uncompressed PCM
    putLittleEndian(out, static_cast<std::uint32_t>(layout.channels), 2);
    putLittleEndian(out, static_cast<std::uint32_t>(layout.sampleRate), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(layout.sampleRate) * frameSize, 4);
    putLittleEndian(out, frameSize, 2);
    putLittleEndian(out, static_cast<std::uint32_t>(layout.bitsPerSample), 2);

    putTag(out, "fact");
    putLittleEndian(out, factSize, 4);
    putLittleEndian(out, dataSize / frameSize, 4);

    putTag(out, "data");
    putLittleEndian(out, dataSize, 4);
    out.insert(out.end(), pcm.begin(), pcm.end());
    if (pad)
        out.push_back(0);
    return out;
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace strhaven::soundgen

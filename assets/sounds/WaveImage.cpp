#include "assets/sounds/WaveImage.h"

#include <cstdint>

namespace strhaven {

namespace {

std::uint32_t readLittleEndian(const QByteArray& bytes, qsizetype at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

bool hasTag(const QByteArray& bytes, qsizetype at, const char* tag)
{
    return bytes.size() - at >= 4 && bytes.mid(at, 4) == tag;
}

// The "fmt " chunk of `size` bytes at `at`: true when it describes PCM we can
// play and its derived fields agree with each other.
bool readFormat(const QByteArray& bytes, qsizetype at, std::uint32_t size, WaveImage& wave)
{
    if (size < 16)
        return false;
    const auto tag = readLittleEndian(bytes, at, 2);
    const auto channels = readLittleEndian(bytes, at + 2, 2);
    const auto rate = readLittleEndian(bytes, at + 4, 4);
    const auto byteRate = readLittleEndian(bytes, at + 8, 4);
    const auto blockAlign = readLittleEndian(bytes, at + 12, 2);
    const auto bits = readLittleEndian(bytes, at + 14, 2);
    if (tag != 1 || channels < 1 || channels > 8 || rate < 1 || rate > 384000)
        return false;
    if (bits != 8 && bits != 16 && bits != 32)
        return false;
    if (blockAlign != channels * bits / 8 || byteRate != rate * blockAlign)
        return false;
    wave.channels = static_cast<int>(channels);
    wave.sampleRate = static_cast<int>(rate);
    wave.bitsPerSample = static_cast<int>(bits);
    return true;
}

} // namespace

std::chrono::milliseconds WaveImage::length() const
{
    if (byteRate() <= 0)
        return std::chrono::milliseconds(0);
    const auto rate = static_cast<long long>(byteRate());
    return std::chrono::milliseconds((static_cast<long long>(dataSize) * 1000 + rate / 2) / rate);
}

std::optional<WaveImage> WaveImage::parse(const QByteArray& image)
{
    if (image.size() < 12 || !hasTag(image, 0, "RIFF") || !hasTag(image, 8, "WAVE"))
        return std::nullopt;

    WaveImage wave;
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (image.size() - at >= 8 && !haveData) {
        const qsizetype body = at + 8;
        const std::uint32_t size = readLittleEndian(image, at + 4, 4);
        const qsizetype available = image.size() - body;
        if (hasTag(image, at, "data")) {
            // A cut-short image still plays the frames it has.
            wave.dataOffset = body;
            wave.dataSize = qMin(static_cast<qsizetype>(size), available);
            haveData = true;
        } else {
            if (static_cast<qsizetype>(size) > available)
                return std::nullopt;
            if (hasTag(image, at, "fmt ")) {
                if (!readFormat(image, body, size, wave))
                    return std::nullopt;
                haveFormat = true;
            }
            // Chunks are padded to an even size.
            at = body + static_cast<qsizetype>(size) + (size & 1u);
        }
    }
    if (!haveFormat || !haveData)
        return std::nullopt;
    wave.dataSize -= wave.dataSize % wave.bytesPerFrame();
    return wave;
}

} // namespace strhaven

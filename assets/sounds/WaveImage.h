#pragma once

#include <QByteArray>

#include <chrono>
#include <optional>

namespace strhaven {

// The format and the sound data of a WAV file image (uncompressed PCM), found
// by walking its chunks with every size checked against the bytes that are
// really there, so that a damaged image can never make us read past its end.
struct WaveImage {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qsizetype dataOffset = 0;
    // The whole frames of sound present; less than the header claims when the
    // image is cut short.
    qsizetype dataSize = 0;

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    int byteRate() const { return sampleRate * bytesPerFrame(); }
    qsizetype frames() const { return dataSize / bytesPerFrame(); }
    // The playing time: data bytes / byte rate, to the nearest millisecond.
    std::chrono::milliseconds length() const;
    // The sound data of `image`, the image this was parsed from.
    QByteArray pcm(const QByteArray& image) const { return image.mid(dataOffset, dataSize); }

    // Nothing when the image is not PCM with 1 to 8 channels of 8, 16 or 32
    // bits, has inconsistent format fields, or lacks its format or data chunk.
    static std::optional<WaveImage> parse(const QByteArray& image);
};

} // namespace strhaven

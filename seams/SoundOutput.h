#pragma once

#include <QByteArray>

#include <chrono>

namespace strhaven {

// The audio device as the game needs it: how many outputs exist, play a WAV
// image to its end or looping, stop.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual int deviceCount() = 0;
    // Returns when `length` has passed, whatever the back end reports.
    virtual void playToEnd(const QByteArray& wave, std::chrono::milliseconds length) = 0;
    // Returns at once; the sound repeats until stop() or the next play.
    virtual void playLooping(const QByteArray& wave) = 0;
    virtual void stop() = 0;
};

} // namespace strhaven

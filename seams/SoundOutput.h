#pragma once

#include <QByteArray>

namespace strhaven {

// The audio device as the game needs it: how many outputs exist, play a WAV
// image once or looping, stop. Every call returns at once; whoever must
// wait for a sound's end knows its length from the image itself.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual int deviceCount() = 0;
    // The sound replaces whatever plays and plays once.
    virtual void play(const QByteArray& wave) = 0;
    // The sound repeats until stop() or the next play.
    virtual void playLooping(const QByteArray& wave) = 0;
    virtual void stop() = 0;
};

} // namespace strhaven

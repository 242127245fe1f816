#include "play/SoundPlayer.h"

#include "assets/sounds/SoundResources.h"
#include "seams/SoundOutput.h"

namespace strhaven {

SoundPlayer::SoundPlayer(SoundOutput& output) : m_output(output) {}

std::chrono::milliseconds SoundPlayer::play(Sound sound) { return waveLength(start(sound, false)); }

void SoundPlayer::playLooping(Sound sound) { start(sound, true); }

QByteArray SoundPlayer::start(Sound sound, bool looping)
{
    if (m_output.deviceCount() <= 0)
        return {};
    // The new image replaces the old one only once the output has moved on to
    // it, so the sound still playing never loses its data under it.
    const QByteArray wave = waveResource(static_cast<int>(sound));
    if (wave.isEmpty())
        m_output.stop();
    else if (looping)
        m_output.playLooping(wave);
    else
        m_output.play(wave);
    m_waveData = wave;
    return wave;
}

void SoundPlayer::stop()
{
    try {
        // Nothing was ever played, so nothing plays now: no need to wake the
        // audio device (a game played without sound never loads it).
        if (m_waveData.isNull())
            return;
        if (m_output.deviceCount() <= 0)
            return;
        m_output.stop();
    } catch (...) {
        // Silencing is best effort: nothing the caller could do about it.
    }
}

} // namespace strhaven

#include "play/SoundPlayer.h"

#include "seams/Pacer.h"
#include "seams/SoundOutput.h"
#include "assets/sounds/SoundResources.h"

namespace strhaven {

SoundPlayer::SoundPlayer(SoundOutput& output, Pacer& pacer)
    : m_output(output)
    , m_pacer(pacer)
{
}

void SoundPlayer::PlayWave(int id, int flags)
{
    if (m_output.deviceCount() <= 0)
        return;
    // The new image replaces the old one only once the output has moved on to
    // it, so the sound still playing never loses its data under it.
    const QByteArray wave = waveResource(id);
    if (wave.isEmpty())
        m_output.stop();
    else if (!(flags & Asynchronous))
        m_output.playToEnd(wave, waveLength(wave));
    else if (flags & Loop)
        m_output.playLooping(wave);
    else
        m_output.stop();
    m_waveData = wave;
    m_pacer.letEventsRun();
}

void SoundPlayer::StopWave()
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

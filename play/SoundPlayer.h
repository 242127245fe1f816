#pragma once

#include <QByteArray>

namespace strhaven {

class Pacer;
class SoundOutput;

// All sound output of the game. A computer without an output device hears
// nothing and loses no time: the calls then return at once without yielding,
// so the credit counts run at full speed.
class SoundPlayer {
public:
    // The game's sounds.
    static constexpr int WheelWave = 1;
    static constexpr int CoinWave = 2;
    static constexpr int JackpotWave = 3;

    // Play flags, combined by the callers.
    static constexpr int Synchronous = 0;  // return when the sound has ended
    static constexpr int Asynchronous = 1; // return at once
    static constexpr int NoDefault = 2;    // a sound we lack plays nothing
    static constexpr int Memory = 4;       // the sound is a WAV image in memory
    static constexpr int Loop = 8;         // repeat until stopped or replaced (with Asynchronous)
    static constexpr int PlayToEnd = NoDefault | Memory;                        // 6
    static constexpr int PlayLooping = Asynchronous | NoDefault | Memory | Loop; // 15

    SoundPlayer(SoundOutput& output, Pacer& pacer);

    // Plays sound `id`. Without the asynchronous flag the call lasts the
    // sound's own length; asynchronous with loop starts it repeating and
    // returns. An asynchronous sound without loop is not something the game
    // plays, and only silences what is playing. Afterwards window events run
    // once.
    void PlayWave(int id, int flags);
    // Silences whatever plays; never fails.
    void StopWave();

    // The image of the sound last started. The player keeps it until the next
    // PlayWave, so a looping sound's data outlives the call that started it.
    const QByteArray& WaveData() const { return m_waveData; }

private:
    SoundOutput& m_output;
    Pacer& m_pacer;
    QByteArray m_waveData;
};

} // namespace strhaven

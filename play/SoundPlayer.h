#pragma once

#include <QByteArray>

namespace strhaven {

class Pacer;
class SoundOutput;

// The game's three sounds, by their resource numbers.
enum class Sound { Wheel = 1, Coin = 2, Jackpot = 3 };

// All sound output of the game. A computer without an output device hears
// nothing and loses no time: the calls then return at once without yielding,
// so the credit counts run at full speed.
class SoundPlayer {
public:
    SoundPlayer(SoundOutput& output, Pacer& pacer);

    // Plays the sound and returns when its own length has passed; then
    // window events run once.
    void playToEnd(Sound sound);
    // Starts the sound repeating until stop() or the next sound, and
    // returns at once; then window events run once.
    void playLooping(Sound sound);
    // Silences whatever plays; never fails.
    void stop();

    // The image of the sound last started. The player keeps it until the next
    // sound, so a looping sound's data outlives the call that started it.
    const QByteArray& waveData() const { return m_waveData; }

private:
    void play(Sound sound, bool looping);

    SoundOutput& m_output;
    Pacer& m_pacer;
    QByteArray m_waveData;
};

} // namespace strhaven

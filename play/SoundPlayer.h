#pragma once

#include <QByteArray>

#include <chrono>

namespace strhaven {

class SoundOutput;

// The game's three sounds, by their resource numbers.
enum class Sound { Wheel = 1, Coin = 2, Jackpot = 3 };

// All sound output of the game. A computer without an output device hears
// nothing and loses no time: a sound then lasts nothing, so the credit
// counts run at full speed.
class SoundPlayer {
public:
    explicit SoundPlayer(SoundOutput& output);

    // Starts the sound once and returns at once with its length, which a
    // step that must follow its end waits; nothing when nothing plays.
    std::chrono::milliseconds play(Sound sound);
    // Starts the sound repeating until stop() or the next sound.
    void playLooping(Sound sound);
    // Silences whatever plays; never fails.
    void stop();

    // The image of the sound last started. The player keeps it until the next
    // sound, so a looping sound's data outlives the call that started it.
    const QByteArray& waveData() const { return m_waveData; }

private:
    // The image started, or nothing.
    QByteArray start(Sound sound, bool looping);

    SoundOutput& m_output;
    QByteArray m_waveData;
};

} // namespace strhaven

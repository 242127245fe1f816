#pragma once

#include "seams/SoundOutput.h"

#include <QThread>

#include <memory>

namespace strhaven {

// Plays WAV images through Qt Multimedia: one audio sink at a time, fed from
// memory, so starting a sound replaces the one playing.
//
// The sink lives on a thread of its own, fed every 10 ms: fed from the
// user-interface thread, it would run dry whenever a paint or a dialog
// keeps that thread busy, and the looping wheel sound would stutter.
class QtSoundOutput final : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;

    int deviceCount() override;
    void play(const QByteArray& wave) override;
    void playLooping(const QByteArray& wave) override;
    void stop() override;

private:
    struct Engine;
    void ensureStarted();
    void start(const QByteArray& wave, bool looping);

    QThread m_thread;
    QObject* m_audioContext = nullptr; // lives on m_thread; runs the engine's calls
    std::unique_ptr<Engine> m_engine;  // touched only on m_thread
};

} // namespace strhaven

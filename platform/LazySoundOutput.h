#pragma once

#include "seams/SoundOutput.h"

#include <QLibrary>

#include <memory>

namespace strhaven {

// The audio output, loaded from its module when a sound is first asked for.
// Without the module (or when it cannot be loaded) the computer counts as
// having no sound device: the game runs silently at full speed.
class LazySoundOutput final : public SoundOutput {
public:
    explicit LazySoundOutput(QStringList candidates = moduleCandidates());
    ~LazySoundOutput() override;

    int deviceCount() override;
    void play(const QByteArray& wave) override;
    void playLooping(const QByteArray& wave) override;
    void stop() override;

    // Where the module is looked for, in order: beside the program, then in
    // the installed library folder.
    static QStringList moduleCandidates();

    bool moduleLoaded() const { return m_output != nullptr; }

private:
    SoundOutput* output();

    QStringList m_candidates;
    QLibrary m_library;
    std::unique_ptr<SoundOutput> m_output;
    bool m_tried = false;
};

} // namespace strhaven

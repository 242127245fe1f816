#include "platform/LazySoundOutput.h"

#include <QCoreApplication>
#include <QDir>

namespace strhaven {

namespace {
using CreateSoundOutput = SoundOutput* (*)();
} // namespace

LazySoundOutput::LazySoundOutput(QStringList candidates) : m_candidates(std::move(candidates)) {}

// The output must go before the code it runs is unloaded; the library itself
// stays mapped until the process ends (QLibrary does not unload on its own).
LazySoundOutput::~LazySoundOutput() { m_output.reset(); }

QStringList LazySoundOutput::moduleCandidates()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral(STRHAVEN_SOUND_MODULE);
    return {program.filePath(name), program.filePath(QStringLiteral(STRHAVEN_MODULE_FROM_PROGRAM "/") + name)};
}

SoundOutput* LazySoundOutput::output()
{
    if (m_tried)
        return m_output.get();
    m_tried = true;
    for (const QString& candidate : m_candidates) {
        m_library.setFileName(candidate);
        if (!m_library.load())
            continue;
        if (auto create = reinterpret_cast<CreateSoundOutput>(m_library.resolve("strhavenCreateSoundOutput"))) {
            m_output.reset(create());
            break;
        }
        m_library.unload();
    }
    return m_output.get();
}

int LazySoundOutput::deviceCount()
{
    SoundOutput* out = output();
    return out ? out->deviceCount() : 0;
}

void LazySoundOutput::play(const QByteArray& wave)
{
    if (SoundOutput* out = output())
        out->play(wave);
}

void LazySoundOutput::playLooping(const QByteArray& wave)
{
    if (SoundOutput* out = output())
        out->playLooping(wave);
}

void LazySoundOutput::stop()
{
    // Nothing loaded, nothing playing.
    if (m_output)
        m_output->stop();
}

} // namespace strhaven

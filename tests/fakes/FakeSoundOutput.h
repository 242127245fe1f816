#pragma once

#include "seams/SoundOutput.h"

#include <QByteArray>

#include <functional>
#include <vector>

namespace strhaven {

// An audio device that plays nothing and remembers what it was asked.
class FakeSoundOutput final : public SoundOutput {
public:
    enum class Kind { Once, Looping, Stop };
    struct Call {
        Kind kind;
        QByteArray wave;
    };

    int devices = 1;
    std::vector<Call> calls;
    std::function<void(const Call&)> onCall;

    int deviceCount() override { return devices; }
    void play(const QByteArray& wave) override { record({Kind::Once, wave}); }
    void playLooping(const QByteArray& wave) override { record({Kind::Looping, wave}); }
    void stop() override { record({Kind::Stop, {}}); }

private:
    void record(Call c)
    {
        calls.push_back(std::move(c));
        if (onCall)
            onCall(calls.back());
    }
};

} // namespace strhaven

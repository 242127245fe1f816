#pragma once

#include "assets/sounds/SoundResources.h"
#include "fakes/FakeSoundOutput.h"

#include <QStringList>

namespace strhaven {

// A sequence with its repeats counted: "a x3, b".
inline QString counted(const QStringList& seq)
{
    QStringList all;
    for (qsizetype i = 0, repeats = 1; i < seq.size(); ++i, ++repeats)
        if (i + 1 == seq.size() || seq[i + 1] != seq[i]) {
            all << (repeats > 1 ? QStringLiteral("%1 x%2").arg(seq[i]).arg(repeats) : seq[i]);
            repeats = 0;
        }
    return all.join(", ");
}

// 1 wheel, 2 coin, 3 jackpot, 0 stop.
inline int soundOf(const FakeSoundOutput::Call& c)
{
    for (int id = 1; id <= 3; ++id)
        if (c.wave == waveResource(id))
            return id;
    return 0;
}

// What the player heard, in order: "coin x5, stop, wheel loop".
inline QString heard(const FakeSoundOutput& sound, bool stops = true)
{
    static const char* const names[] = {"stop", "wheel", "coin", "jackpot"};
    QStringList seq;
    for (const auto& c : sound.calls)
        if (stops || c.kind != FakeSoundOutput::Kind::Stop)
            seq << QString::fromLatin1(names[soundOf(c)]) + (c.kind == FakeSoundOutput::Kind::Looping ? " loop" : "");
    return counted(seq);
}

} // namespace strhaven

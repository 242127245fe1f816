#pragma once

#include <QByteArray>

#include <chrono>

namespace strhaven {

// The complete WAV file image of sound `id` (1 wheels, 2 coin, 3 jackpot),
// empty for any other id.
QByteArray waveResource(int id);

// How long a WAV image plays, from its own format: data bytes / byte rate.
// Anything that is not a sound we can play gives 0 ms.
std::chrono::milliseconds waveLength(const QByteArray& wave);

} // namespace strhaven

#include "assets/sounds/SoundResources.h"

#include "assets/sounds/WaveImage.h"

#include <QFile>

namespace strhaven {

QByteArray waveResource(int id)
{
    const char* name = nullptr;
    switch (id) {
    case 1: name = ":/sounds/wheel.wav"; break;
    case 2: name = ":/sounds/coin.wav"; break;
    case 3: name = ":/sounds/jackpot.wav"; break;
    default: return {};
    }
    QFile file(QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::chrono::milliseconds waveLength(const QByteArray& wave)
{
    const auto image = WaveImage::parse(wave);
    return image ? image->length() : std::chrono::milliseconds(0);
}

} // namespace strhaven

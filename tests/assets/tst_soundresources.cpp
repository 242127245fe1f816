#include "assets/sounds/SoundResources.h"

#include <QtEndian>
#include <QtTest>

#include <algorithm>

using namespace strhaven;
using namespace std::chrono_literals;

namespace {

quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

// The layout the game's sounds are written in: RIFF header, 16-byte "fmt ",
// "fact" with the frame count, then "data" at byte 48.
constexpr int DataStart = 56;

// A copy of a sound with one little-endian field overwritten.
template <class T>
QByteArray with(QByteArray b, int at, T value)
{
    qToLittleEndian(value, b.data() + at);
    return b;
}

} // namespace

class SoundResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void format_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("format");
        QTest::newRow("wheel") << 1 << "1 channel, 22050 Hz, 16 bits, 221676 bytes, 5027 ms";
        QTest::newRow("coin") << 2 << "2 channel, 22050 Hz, 8 bits, 4390 bytes, 100 ms";
        QTest::newRow("jackpot") << 3 << "1 channel, 11025 Hz, 8 bits, 63388 bytes, 5749 ms";
    }
    void format()
    {
        QFETCH(int, id);
        QFETCH(QString, format);
        const QByteArray w = waveResource(id);
        QCOMPARE(w.left(4) + w.mid(8, 8) + w.mid(36, 4) + w.mid(48, 4), QByteArray("RIFFWAVEfmt factdata"));
        const quint32 channels = u16(w, 22), rate = u32(w, 24), bits = u16(w, 34), bytes = u32(w, 52);
        QCOMPARE(QStringLiteral("%1 channel, %2 Hz, %3 bits, %4 bytes, %5 ms").arg(channels).arg(rate).arg(bits).arg(bytes)
                     .arg(waveLength(w).count()), format);
        // RIFF size, fmt size, PCM, byte rate, frame size, fact size, frames, file size.
        const quint32 frame = channels * bits / 8;
        QCOMPARE((QList<quint32>{u32(w, 4), u32(w, 16), u16(w, 20), u32(w, 28), u16(w, 32), u32(w, 40), u32(w, 44), quint32(w.size())}),
                 (QList<quint32>{quint32(w.size() - 8), 16, 1, rate * frame, frame, 4, bytes / frame, DataStart + bytes}));

        // Audible, and not clipped flat.
        const QByteArray pcm = w.mid(DataStart);
        int peak = 0;
        for (int i = 0; i < pcm.size(); i += int(bits) / 8)
            peak = std::max(peak, std::abs(bits == 8 ? int(quint8(pcm[i])) - 128 : int(qint16(u16(pcm, i))) / 256));
        QVERIFY2(peak > 40 && peak < 128, qPrintable(QString::number(peak)));
    }

    void lengthOfDamagedImages_data()
    {
        QTest::addColumn<QByteArray>("wave");
        QTest::addColumn<qint64>("lengthMs");
        const QByteArray coin = waveResource(2);
        QTest::newRow("empty") << QByteArray() << qint64(0);
        QTest::newRow("garbage") << QByteArray(5000, '\x5a') << qint64(0);
        QTest::newRow("cut in fmt") << coin.left(30) << qint64(0);
        QTest::newRow("no data at all") << coin.left(DataStart) << qint64(0);
        QTest::newRow("cut in data") << coin.left(DataStart + 2205) << qint64(50);
        QTest::newRow("odd byte cut in frame") << coin.left(DataStart + 2205 + 1) << qint64(50);
        QTest::newRow("data size beyond end") << with<quint32>(coin, 52, 0xFFFFFFFFu) << qint64(100);
        QTest::newRow("fmt size beyond end") << with<quint32>(coin, 16, 0x7FFFFFF0u) << qint64(0);
        QTest::newRow("fmt too short") << with<quint32>(coin, 16, 8) << qint64(0);
        QTest::newRow("not PCM") << with<quint16>(coin, 20, 3) << qint64(0);
        QTest::newRow("no channels") << with<quint16>(coin, 22, 0) << qint64(0);
        QTest::newRow("byte rate zero") << with<quint32>(coin, 28, 0) << qint64(0);
        QTest::newRow("not WAVE") << with<quint32>(coin, 8, 0x45564157u + 1) << qint64(0);

        // An odd-sized chunk before the data is padded to an even size.
        QByteArray padded = coin.left(36);
        padded += QByteArray("LIST") + QByteArray("\x03\0\0\0", 4) + QByteArray("abc") + QByteArray(1, '\0');
        padded += coin.mid(36);
        padded = with<quint32>(padded, 4, quint32(padded.size() - 8));
        QTest::newRow("padded odd chunk") << padded << qint64(100);
    }

    void lengthOfDamagedImages()
    {
        QFETCH(QByteArray, wave);
        QFETCH(qint64, lengthMs);
        QCOMPARE(waveLength(wave).count(), lengthMs);
    }
};

QTEST_GUILESS_MAIN(SoundResourcesTest)
#include "tst_soundresources.moc"

#include "fakes/FakePacer.h"
#include "fakes/FakeSoundOutput.h"
#include "play/SoundPlayer.h"
#include "assets/sounds/SoundResources.h"

#include <QtTest>

#include <stdexcept>

using namespace strhaven;
using Kind = FakeSoundOutput::Kind;

Q_DECLARE_METATYPE(FakeSoundOutput::Kind)

class SoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void playing_data()
    {
        QTest::addColumn<int>("sound");
        QTest::addColumn<bool>("looping");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<qint64>("lengthMs");
        QTest::newRow("coin to its end") << int(Sound::Coin) << false << Kind::ToEnd << qint64(100);
        QTest::newRow("jackpot to its end") << int(Sound::Jackpot) << false << Kind::ToEnd << qint64(5749);
        QTest::newRow("wheels looping") << int(Sound::Wheel) << true << Kind::Looping << qint64(0);
        QTest::newRow("a sound we lack plays nothing") << 9 << false << Kind::Stop << qint64(0);
    }

    void playing()
    {
        QFETCH(int, sound);
        QFETCH(bool, looping);
        QFETCH(Kind, kind);
        QFETCH(qint64, lengthMs);
        FakeSoundOutput output;
        FakePacer pacer;
        int yieldsWhilePlaying = -1;
        output.onCall = [&](const FakeSoundOutput::Call&) { yieldsWhilePlaying = pacer.yields; };
        SoundPlayer player(output, pacer);
        looping ? player.playLooping(Sound(sound)) : player.playToEnd(Sound(sound));

        QCOMPARE(int(output.calls.size()), 1);
        const auto& call = output.calls.front();
        QCOMPARE(call.kind, kind);
        QCOMPARE(qint64(call.length.count()), lengthMs);
        if (kind != Kind::Stop)
            QCOMPARE(call.wave, waveResource(sound));
        // Events run once, after the sound, never before it.
        QCOMPARE(yieldsWhilePlaying, 0);
        QCOMPARE(pacer.yields, 1);
        QVERIFY(pacer.pauses.empty());
    }

    void stopSilencesAndSwallowsFailures()
    {
        FakeSoundOutput output;
        FakePacer pacer;
        SoundPlayer player(output, pacer);
        player.playLooping(Sound::Wheel);
        output.onCall = [](const FakeSoundOutput::Call& c) {
            if (c.kind == Kind::Stop)
                throw std::runtime_error("device gone");
        };
        player.stop();
        QCOMPARE(output.calls.back().kind, Kind::Stop);
        QCOMPARE(pacer.yields, 1); // only the one after the sound
    }

    // The output may read a looping sound long after the call returned; the
    // player must hold that very buffer until the next sound replaces it.
    void loopingSoundDataOutlivesTheCall()
    {
        FakeSoundOutput output;
        FakePacer pacer;
        SoundPlayer player(output, pacer);
        player.playLooping(Sound::Wheel);
        const char* playing = output.calls.back().wave.constData();
        output.calls.clear(); // the output keeps only the raw data, as a device would

        QCOMPARE(player.waveData().constData(), playing);
        QCOMPARE(player.waveData(), waveResource(int(Sound::Wheel)));

        player.playToEnd(Sound::Coin);
        QCOMPARE(player.waveData(), waveResource(int(Sound::Coin)));
    }
};

QTEST_GUILESS_MAIN(SoundPlayerTest)
#include "tst_soundplayer.moc"

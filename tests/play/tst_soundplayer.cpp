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
        QTest::newRow("coin once") << int(Sound::Coin) << false << Kind::Once << qint64(100);
        QTest::newRow("jackpot once") << int(Sound::Jackpot) << false << Kind::Once << qint64(5749);
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
        SoundPlayer player(output);
        // The length a step after the sound waits: its own, from its format.
        qint64 length = 0;
        if (looping)
            player.playLooping(Sound(sound));
        else
            length = player.play(Sound(sound)).count();

        QCOMPARE(int(output.calls.size()), 1);
        const auto& call = output.calls.front();
        QCOMPARE(call.kind, kind);
        QCOMPARE(length, lengthMs);
        if (kind != Kind::Stop)
            QCOMPARE(call.wave, waveResource(sound));
        // Without a device nothing plays and nothing is waited for.
        output.calls.clear();
        output.devices = 0;
        QCOMPARE(player.play(Sound(sound)).count(), 0);
        QVERIFY(output.calls.empty());
    }

    void stopSilencesAndSwallowsFailures()
    {
        FakeSoundOutput output;
        SoundPlayer player(output);
        player.playLooping(Sound::Wheel);
        output.onCall = [](const FakeSoundOutput::Call& c) {
            if (c.kind == Kind::Stop)
                throw std::runtime_error("device gone");
        };
        player.stop();
        QCOMPARE(output.calls.back().kind, Kind::Stop);
    }

    // The output may read a looping sound long after the call returned; the
    // player must hold that very buffer until the next sound replaces it.
    void loopingSoundDataOutlivesTheCall()
    {
        FakeSoundOutput output;
        SoundPlayer player(output);
        player.playLooping(Sound::Wheel);
        const char* playing = output.calls.back().wave.constData();
        output.calls.clear(); // the output keeps only the raw data, as a device would

        QCOMPARE(player.waveData().constData(), playing);
        QCOMPARE(player.waveData(), waveResource(int(Sound::Wheel)));

        player.play(Sound::Coin);
        QCOMPARE(player.waveData(), waveResource(int(Sound::Coin)));
    }
};

QTEST_GUILESS_MAIN(SoundPlayerTest)
#include "tst_soundplayer.moc"

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
    void playWave_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("flags");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<qint64>("lengthMs");
        QTest::newRow("coin to its end") << 2 << 6 << Kind::ToEnd << qint64(100);
        QTest::newRow("plain synchronous") << 2 << 0 << Kind::ToEnd << qint64(100);
        QTest::newRow("loop without async plays once") << 3 << 8 << Kind::ToEnd << qint64(5749);
        QTest::newRow("wheels looping") << 1 << 15 << Kind::Looping << qint64(0);
        QTest::newRow("async once only silences") << 2 << 7 << Kind::Stop << qint64(0);
        QTest::newRow("unknown sound plays nothing") << 9 << 6 << Kind::Stop << qint64(0);
    }

    void playWave()
    {
        QFETCH(int, id);
        QFETCH(int, flags);
        QFETCH(Kind, kind);
        QFETCH(qint64, lengthMs);
        FakeSoundOutput output;
        FakePacer pacer;
        int yieldsWhilePlaying = -1;
        output.onCall = [&](const FakeSoundOutput::Call&) { yieldsWhilePlaying = pacer.yields; };
        SoundPlayer player(output, pacer);
        player.PlayWave(id, flags);

        QCOMPARE(int(output.calls.size()), 1);
        const auto& call = output.calls.front();
        QCOMPARE(call.kind, kind);
        QCOMPARE(qint64(call.length.count()), lengthMs);
        if (kind != Kind::Stop)
            QCOMPARE(call.wave, waveResource(id));
        // Events run once, after the sound, never before it.
        QCOMPARE(yieldsWhilePlaying, 0);
        QCOMPARE(pacer.yields, 1);
        QVERIFY(pacer.pauses.empty());
    }

    void stopWaveSilencesAndSwallowsFailures()
    {
        FakeSoundOutput output;
        FakePacer pacer;
        SoundPlayer player(output, pacer);
        player.PlayWave(SoundPlayer::WheelWave, SoundPlayer::PlayLooping);
        output.onCall = [](const FakeSoundOutput::Call& c) {
            if (c.kind == Kind::Stop)
                throw std::runtime_error("device gone");
        };
        player.StopWave();
        QCOMPARE(output.calls.back().kind, Kind::Stop);
        QCOMPARE(pacer.yields, 1); // only the one after PlayWave
    }

    // The output may read a looping sound long after PlayWave returned; the
    // player must hold that very buffer until the next sound replaces it.
    void loopingSoundDataOutlivesTheCall()
    {
        FakeSoundOutput output;
        FakePacer pacer;
        SoundPlayer player(output, pacer);
        player.PlayWave(SoundPlayer::WheelWave, SoundPlayer::PlayLooping);
        const char* playing = output.calls.back().wave.constData();
        output.calls.clear(); // the output keeps only the raw data, as a device would

        QCOMPARE(player.WaveData().constData(), playing);
        QCOMPARE(player.WaveData(), waveResource(SoundPlayer::WheelWave));

        player.PlayWave(SoundPlayer::CoinWave, SoundPlayer::PlayToEnd);
        QCOMPARE(player.WaveData(), waveResource(SoundPlayer::CoinWave));
    }
};

QTEST_GUILESS_MAIN(SoundPlayerTest)
#include "tst_soundplayer.moc"

#include "platform/QtSoundOutput.h"
#include "assets/sounds/SoundResources.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

using namespace strhaven;
using namespace std::chrono_literals;

// Runs with or without a sound server: what must hold either way is that a
// sound "played to its end" takes its length, and that nothing the game may
// hand over crashes or hangs the output.
class QtSoundOutputTest : public QObject {
    Q_OBJECT

private slots:
    void playToEndLastsItsLength_data()
    {
        QTest::addColumn<QByteArray>("wave");
        QTest::newRow("coin") << waveResource(2);
        QTest::newRow("damaged") << waveResource(2).left(30);
        QTest::newRow("garbage") << QByteArray(200, '\x7f');
        QTest::newRow("empty") << QByteArray();
    }

    void playToEndLastsItsLength()
    {
        QFETCH(QByteArray, wave);
        QtSoundOutput output;
        QVERIFY(output.deviceCount() >= 0);
        QElapsedTimer clock;
        clock.start();
        output.playToEnd(wave, 40ms);
        QVERIFY(clock.elapsed() >= 40);
        output.stop();
    }

    void eventsRunWhileASoundPlays()
    {
        QtSoundOutput output;
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        output.playToEnd(waveResource(2), 30ms);
        QVERIFY(ran);
    }

    void stopDuringTheWaitAndDestroyWhileLooping()
    {
        auto output = std::make_unique<QtSoundOutput>();
        output->playLooping(waveResource(1));
        QTimer::singleShot(5, [&] { output->stop(); });
        output->playToEnd(waveResource(3), 30ms);
        output->playLooping(waveResource(1));
        output->playLooping(waveResource(1));
        output.reset();
    }
};

QTEST_MAIN(QtSoundOutputTest)
#include "tst_qtsoundoutput.moc"

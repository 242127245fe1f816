#include "platform/QtSoundOutput.h"
#include "assets/sounds/SoundResources.h"

#include <QtTest>

using namespace strhaven;

// Runs with or without a sound server: nothing the game may hand over, in
// any order, crashes the output or takes its device away; every call
// returns at once (the caller waits for a sound's end on its own timer).
class QtSoundOutputTest : public QObject {
    Q_OBJECT

private slots:
    void anyImageInAnyOrder_data()
    {
        QTest::addColumn<QByteArray>("wave");
        QTest::newRow("coin") << waveResource(2);
        QTest::newRow("wheels") << waveResource(1);
        QTest::newRow("damaged") << waveResource(2).left(30);
        QTest::newRow("garbage") << QByteArray(200, '\x7f');
        QTest::newRow("empty") << QByteArray();
    }
    void anyImageInAnyOrder()
    {
        QFETCH(QByteArray, wave);
        auto output = std::make_unique<QtSoundOutput>();
        const int devices = output->deviceCount();
        QVERIFY(devices >= 0);
        output->stop(); // before anything played
        output->play(wave);
        output->playLooping(waveResource(1));
        output->play(wave); // replaces the looping sound
        output->stop();
        output->playLooping(wave);
        output->playLooping(wave);
        QCOMPARE(output->deviceCount(), devices);
        output.reset(); // while a sound loops
    }
};

QTEST_MAIN(QtSoundOutputTest)
#include "tst_qtsoundoutput.moc"

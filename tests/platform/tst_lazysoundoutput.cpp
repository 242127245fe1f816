#include "platform/LazySoundOutput.h"

#include <QTest>

using namespace strhaven;

// The audio module is loaded with the first sound; without it the game is a
// computer without a sound device, silent and never failing.
class TestLazySoundOutput : public QObject {
    Q_OBJECT
private slots:
    void module_data()
    {
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("missing") << QStringList{"/nonexistent/strhaven-sound"} << false;
        QTest::newRow("not a module") << QStringList{QFINDTESTDATA("tst_lazysoundoutput.cpp")} << false;
        QTest::newRow("the second place") << QStringList{"/nonexistent/strhaven-sound", STRHAVEN_SOUND_MODULE_PATH}
                                          << true;
    }
    void module()
    {
        QFETCH(QStringList, candidates);
        QFETCH(bool, loaded);
        LazySoundOutput output(candidates);
        QVERIFY(!output.moduleLoaded()); // nothing is loaded before a sound is asked for
        output.stop();
        QVERIFY(!output.moduleLoaded());
        const int devices = output.deviceCount();
        QCOMPARE(output.moduleLoaded(), loaded);
        if (!loaded)
            QCOMPARE(devices, 0);
        output.playLooping(QByteArray("not a sound"));
        output.stop();
    }
};

QTEST_MAIN(TestLazySoundOutput)
#include "tst_lazysoundoutput.moc"

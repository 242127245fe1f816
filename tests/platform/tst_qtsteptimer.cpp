#include "platform/QtStepTimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using namespace strhaven;
using namespace std::chrono_literals;

// The real step timer in a real event loop: a chain of steps keeps to the
// sum of its delays, though Qt counts whole milliseconds, and a step
// replaced or stopped never runs.
class TestQtStepTimer : public QObject {
    Q_OBJECT
private slots:
    // Each step asks for the next, as an operation does: step k runs when
    // the k delays before it have passed, give or take the half millisecond
    // its own timer was rounded by, never sooner: the rounding of the steps
    // before it does not add up.
    void chainKeepsToItsDelays_data()
    {
        QTest::addColumn<qint64>("delayNs");
        QTest::newRow("2.5 ms") << qint64(2'500'000);
        QTest::newRow("11.1 ms, wheel speed 5") << qint64(11'111'111);
        QTest::newRow("no delay") << qint64(0);
    }
    void chainKeepsToItsDelays()
    {
        QFETCH(qint64, delayNs);
        QtStepTimer timer;
        QElapsedTimer clock;
        std::vector<qint64> ranAt;
        std::function<void()> step = [&] {
            ranAt.push_back(clock.nsecsElapsed());
            if (ranAt.size() < 20)
                timer.start(std::chrono::nanoseconds(delayNs), step);
        };
        clock.start();
        timer.start(std::chrono::nanoseconds(delayNs), step);
        QTRY_COMPARE_WITH_TIMEOUT(int(ranAt.size()), 20, 10000);
        for (std::size_t k = 0; k < ranAt.size(); ++k)
            QVERIFY2(ranAt[k] >= qint64(k + 1) * delayNs - 500'000,
                     qPrintable(QString("step %1 at %2 ns").arg(k).arg(ranAt[k])));
        QVERIFY(timer.lastLateness() >= -500'000ns);
    }

    // The rounding to whole milliseconds, on a clock of the test's own that
    // reaches each timer exactly when it was set for: a chain of steps keeps
    // to the sum of its delays, within half a millisecond; a new operation
    // starts afresh.
    void roundingIsMadeGood_data()
    {
        QTest::addColumn<qint64>("delayNs");
        QTest::newRow("11.1 ms, wheel speed 5") << qint64(11'111'111);
        QTest::newRow("2.5 ms") << qint64(2'500'000);
        QTest::newRow("66.7 ms, wheel speed 10's last phase") << qint64(66'666'666);
        QTest::newRow("0.4 ms") << qint64(400'000);
    }
    void roundingIsMadeGood()
    {
        QFETCH(qint64, delayNs);
        MillisecondRounding rounding;
        qint64 now = 5'000'000'000;
        const qint64 start = now;
        for (int k = 1; k <= 200; ++k) {
            now += rounding.milliseconds(now, delayNs, k > 1) * 1'000'000;
            QVERIFY2(qAbs(now - start - k * delayNs) <= 500'000, qPrintable(QString("step %1 at %2 ns").arg(k).arg(now - start)));
        }
        // A new operation's first step owes nothing to the last one.
        QCOMPARE(rounding.milliseconds(now + 777, 3'000'000, false), 3);
        QCOMPARE(rounding.dueAt(), now + 777 + 3'000'000);
    }

    // A new start replaces the step pending; a stop drops it; a start from
    // outside a step (a new operation) owes nothing to the last one.
    void replacedAndStopped()
    {
        QtStepTimer timer;
        QStringList ran;
        timer.start(1ms, [&] { ran << "first"; });
        timer.start(2ms, [&] { ran << "second"; });
        QTRY_COMPARE(ran, QStringList{"second"});
        timer.start(1ms, [&] { ran << "stopped"; });
        timer.stop();
        QElapsedTimer clock;
        clock.start();
        timer.start(5ms, [&] { ran << QString("late start after %1").arg(clock.elapsed() >= 5 ? "5 ms" : "less"); });
        QTRY_COMPARE(ran.size(), 2);
        QCOMPARE(ran.last(), QString("late start after 5 ms"));
    }
};

QTEST_MAIN(TestQtStepTimer)
#include "tst_qtsteptimer.moc"

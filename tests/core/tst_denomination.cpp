#include "Denomination.h"
#include "SlotGame.h"

#include <QTest>

using namespace strhaven;

class TestDenomination : public QObject {
    Q_OBJECT
private slots:
    void convertedCredits_data()
    {
        QTest::addColumn<int>("credits");
        QTest::addColumn<int>("inserted");
        QTest::addColumn<float>("oldMachine");
        QTest::addColumn<float>("newMachine");
        QTest::addColumn<int>("expected");
        QTest::newRow("quarter to nickel") << 40 << 10 << 4.0f << 20.0f << 200;
        QTest::newRow("nickel to dollar, all lost: held at 0") << 0 << 10 << 20.0f << 1.0f << 0;
        QTest::newRow("dollar to nickel past the cap") << 99000 << 100 << 1.0f << 20.0f << CounterCap;
        QTest::newRow("unchanged machine") << 1234 << 50 << 0.2f << 0.2f << 1234;
        QTest::newRow("half up to even") << 10 << 5 << 1.0f << 0.5f << 8;   // 7.5
        QTest::newRow("half down to even") << 9 << 5 << 1.0f << 0.5f << 6;  // 6.5
        // 0.2f is a little more than 0.2: $10 on Five Dollars is still 2 credits.
        QTest::newRow("five dollars to dollar") << 2 << 10 << 0.2f << 1.0f << 10;
        QTest::newRow("dollar to five dollars") << 7 << 10 << 1.0f << 0.2f << 0;  // -1 held at 0
        QTest::newRow("largest counts, no overflow") << CounterCap << CounterCap << 0.2f << 20.0f << CounterCap;
    }
    void convertedCredits()
    {
        QFETCH(int, credits);
        QFETCH(int, inserted);
        QFETCH(float, oldMachine);
        QFETCH(float, newMachine);
        QFETCH(int, expected);
        QCOMPARE(strhaven::convertedCredits(credits, inserted, oldMachine, newMachine), expected);
    }
};

QTEST_APPLESS_MAIN(TestDenomination)
#include "tst_denomination.moc"

#include "Denomination.h"
#include "GameOptions.h"
#include "SlotGame.h"

#include <QTest>

using namespace strhaven;

class TestSlotGame : public QObject {
    Q_OBJECT
private slots:
    void cappedCounters_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("add");
        QTest::addColumn<int>("expected");
        QTest::newRow("below the cap") << 5 << 20 << 25;
        QTest::newRow("reaches the cap") << 99990 << 10 << 100000;
        QTest::newRow("passes the cap") << 99990 << 20 << 100000;
        QTest::newRow("at the cap stays") << 100000 << 1 << 100000;
        QTest::newRow("no overflow") << 100000 << 2147483647 << 100000;
    }
    void cappedCounters()
    {
        QFETCH(int, start);
        QFETCH(int, add);
        QFETCH(int, expected);
        std::int32_t c = start;
        addCapped(c, add);
        QCOMPARE(c, expected);
    }

    void advancedDisplay_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("next");
        QTest::newRow("0") << "0" << "1";
        QTest::newRow("4999") << "4999" << "5000";
        QTest::newRow("fraction") << "7.5" << "8";
        QTest::newRow("leading blank") << " 12" << "13";
        QTest::newRow("not a number") << "abc" << "1";
        QTest::newRow("empty") << "" << "1";
    }
    void advancedDisplay()
    {
        QFETCH(QString, shown);
        QFETCH(QString, next);
        QCOMPARE(QString::fromStdString(strhaven::advancedDisplay(shown.toStdString())), next);
    }

    void denominations_data()
    {
        QTest::addColumn<float>("machine");
        QTest::addColumn<int>("cents");
        QTest::addColumn<bool>("shut");
        QTest::addColumn<QList<int>>("credits"); // $5 $10 $20 $50 $100
        QTest::newRow("Nickel") << 20.0f << 5 << false << QList<int>{100, 200, 400, 1000, 2000};
        QTest::newRow("Dime") << 10.0f << 10 << false << QList<int>{50, 100, 200, 500, 1000};
        QTest::newRow("Quarter") << 4.0f << 25 << false << QList<int>{20, 40, 80, 200, 400};
        QTest::newRow("Half Dollar") << 2.0f << 50 << false << QList<int>{10, 20, 40, 100, 200};
        QTest::newRow("Dollar") << 1.0f << 100 << false << QList<int>{5, 10, 20, 50, 100};
        QTest::newRow("Two Dollars") << 0.5f << 200 << true << QList<int>{2, 5, 10, 25, 50};
        QTest::newRow("Five Dollars") << 0.2f << 500 << true << QList<int>{1, 2, 4, 10, 20};
    }
    void denominations()
    {
        QFETCH(float, machine);
        QFETCH(int, cents);
        QFETCH(bool, shut);
        QFETCH(QList<int>, credits);
        QCOMPARE(coinCents(machine), cents);
        QCOMPARE(fiveDollarSlotShut(machine), shut);
        QVERIFY(denominationFor(machine).has_value());
        const int bills[] = {5, 10, 20, 50, 100};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(billCredits(bills[i], machine), credits[i]);
    }

    void soundSwitches()
    {
        GameOptions o;
        QVERIFY(o.coinSoundOn() && o.wheelSoundOn() && o.jackPotSoundOn());
        o.Sound = 0;
        QVERIFY(!o.coinSoundOn() && !o.wheelSoundOn() && !o.jackPotSoundOn());
        o.Sound = 1;
        o.WheelSound = 0;
        QVERIFY(o.coinSoundOn() && !o.wheelSoundOn());
    }

    void resetKeepsTheGrid()
    {
        SlotGame g;
        g.Credits = 5;
        g.Won = std::to_string(20);
        g.Grid.clear(0);
        g.resetCounters();
        QCOMPARE(g.Credits, 0);
        QCOMPARE(g.Won, std::string("0"));
        QVERIFY(g.Grid.isEmpty(0));
    }
};

QTEST_APPLESS_MAIN(TestSlotGame)
#include "tst_slotgame.moc"

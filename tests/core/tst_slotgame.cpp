#include "core/SlotGame.h"

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

    void resetKeepsTheGrid()
    {
        SlotGame g;
        g.credits = 5;
        g.wonShown = std::to_string(20);
        g.grid.clear(0);
        g.resetCounters();
        QCOMPARE(g.credits, 0);
        QCOMPARE(g.wonShown, std::string("0"));
        QVERIFY(g.grid.isEmpty(0));
    }
};

QTEST_APPLESS_MAIN(TestSlotGame)
#include "tst_slotgame.moc"

#include "tools/odds/ParSheet.h"
#include "tools/odds/WheelChain.h"
#include "core/WheelStrip.h"

#include <QTest>

#include <cmath>

using namespace strhaven;

Q_DECLARE_METATYPE(strhaven::PayoutMode)

namespace {

Symbol S(int i) { return symbolFromIndex(i); }

int stateOf(int top, int middle, int bottom) { return WheelChain::stateOf({S(top), S(middle), S(bottom)}); }

WheelStrip stripFor(PayoutMode mode)
{
    WheelStrip strip;
    strip.fill(mode);
    return strip;
}

} // namespace

// The odds of one row step come from the stop rules, so worked examples pin
// both the rules and how a step moves the wheel down.
class TestWheelChain : public QObject {
    Q_OBJECT
private slots:
    void rowStep_data()
    {
        QTest::addColumn<PayoutMode>("mode");
        QTest::addColumn<QList<int>>("from"); // top, middle, bottom
        QTest::addColumn<QList<int>>("to");
        QTest::addColumn<double>("probability");
        const auto R = PayoutMode::Realistic;
        // 0 Blank, 1 Emblem, 2 RedSeven, 3 TripleBar, 4 DoubleBar, 5 WhiteSeven, 6 SingleBar
        QTest::newRow("RedSeven -> Blank") << R << QList{2, 0, 3} << QList{0, 2, 0} << 21.0 / 39;
        QTest::newRow("never twice in a row") << R << QList{2, 0, 3} << QList{2, 2, 0} << 0.0;
        QTest::newRow("Emblem only above a Blank") << R << QList{2, 0, 3} << QList{1, 2, 0} << 0.0;
        QTest::newRow("Blank -> Emblem") << R << QList{0, 3, 0} << QList{1, 0, 3} << 1.0 / 21;
        QTest::newRow("Emblem in sight") << R << QList{0, 1, 0} << QList{1, 0, 1} << 0.0;
        QTest::newRow("Emblem -> Blank always") << R << QList{1, 0, 6} << QList{0, 1, 0} << 1.0;
        QTest::newRow("fewest choices") << PayoutMode::Fantasy << QList{0, 1, 0} << QList{2, 0, 1} << 3.0 / 15;
    }
    void rowStep()
    {
        QFETCH(PayoutMode, mode);
        QFETCH(QList<int>, from);
        QFETCH(QList<int>, to);
        QFETCH(double, probability);
        const WheelChain chain(stripFor(mode));
        QCOMPARE(chain.transition(stateOf(from[0], from[1], from[2]), stateOf(to[0], to[1], to[2])), probability);
    }

    // The long-run figures the machine is known for, to the precision they
    // are quoted in, from a chain whose every row sums to one and which
    // settles the same from every wheel of the first-start grid.
    void exactFigures_data()
    {
        QTest::addColumn<PayoutMode>("mode");
        QTest::addColumn<double>("paid");
        QTest::addColumn<double>("hitRate");
        QTest::addColumn<double>("threeEmblemOneIn");
        QTest::newRow("Realistic") << PayoutMode::Realistic << 2.1 << 0.24 << 210000.0;
        QTest::newRow("GoodDay") << PayoutMode::GoodDay << 6.7 << 0.45 << 8850.0;
        QTest::newRow("Fantasy") << PayoutMode::Fantasy << 26.6 << 0.65 << 1320.0;
    }
    void exactFigures()
    {
        QFETCH(PayoutMode, mode);
        QFETCH(double, paid);
        QFETCH(double, hitRate);
        QFETCH(double, threeEmblemOneIn);
        const WheelChain chain(stripFor(mode));
        for (int from = 0; from < WheelChain::States; ++from) {
            double sum = 0;
            for (int to = 0; to < WheelChain::States; ++to)
                sum += chain.transition(from, to);
            QVERIFY2(std::abs(sum - 1.0) < 1e-12, qPrintable(QString("state %1 sums to %2").arg(from).arg(sum)));
        }
        for (int start : {stateOf(1, 0, 4), stateOf(2, 0, 5), stateOf(3, 0, 6)}) {
            QVERIFY(chain.irreducibleAndAperiodicFrom(start));
            const auto a = chain.longRun(start, 15);
            const auto b = chain.longRun(start, 30);
            for (std::size_t i = 0; i < a.size(); ++i)
                QVERIFY(std::abs(a[i] - b[i]) < 1e-12);
        }
        const ParSheet s = exactParSheet(mode);
        QVERIFY2(std::abs(s.returnBet1 - paid) < 0.05, qPrintable(QString::number(s.returnBet1)));
        QVERIFY2(std::abs(s.hitRate - hitRate) < 0.01, qPrintable(QString::number(s.hitRate)));
        QVERIFY2(s.blankShare > 0.365 && s.blankShare < 0.415, qPrintable(QString::number(s.blankShare)));
        QVERIFY2(std::abs(s.threeEmblemOneIn / threeEmblemOneIn - 1) < 0.01, qPrintable(QString::number(s.threeEmblemOneIn)));

        // Betting 3 differs only by the jackpot's 5000 instead of 4500.
        QVERIFY(std::abs(s.returnBet3 - (s.returnBet1 + 500.0 / 3 / s.threeEmblemOneIn)) < 1e-9);
        double probability = 0, share = 0;
        for (const PayCodeOdds& c : s.payCodes) {
            QVERIFY(c.payPerCredit > 0);
            probability += c.probability;
            share += c.returnShare;
        }
        QVERIFY(std::abs(probability - s.hitRate) < 1e-12);
        QVERIFY(std::abs(share - 1) < 1e-12);
        QVERIFY(s.sdBet1 > s.returnBet1);
    }
};

QTEST_GUILESS_MAIN(TestWheelChain)
#include "tst_wheelchain.moc"

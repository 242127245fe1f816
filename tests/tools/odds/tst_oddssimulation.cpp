#include "tools/odds/ParSheet.h"
#include "core/RandomSource.h"
#include "tools/odds/Simulation.h"
#include "core/SpinSequence.h"

#include <QTest>

#include <cmath>

using namespace strhaven;

Q_DECLARE_METATYPE(strhaven::PayoutMode)

class TestOddsSimulation : public QObject {
    Q_OBJECT
private slots:
    // Played spins land near the exact figures. Neighbouring spins share
    // wheel positions, but batch means show that this widens the spread of
    // the return by well under 10 %, so independent standard errors are
    // used, and 4.5 of them: a true figure falls outside with a chance of
    // about 1 in 150000 per figure.
    void agreesWithExactFigures_data()
    {
        QTest::addColumn<PayoutMode>("mode");
        QTest::newRow("Realistic") << PayoutMode::Realistic;
        QTest::newRow("GoodDay") << PayoutMode::GoodDay;
        QTest::newRow("Fantasy") << PayoutMode::Fantasy;
    }

    void agreesWithExactFigures()
    {
        QFETCH(PayoutMode, mode);
        constexpr std::uint64_t Spins = 300000;
        const ParSheet exact = exactParSheet(mode);
        const SimulationResult sim = simulate(mode, Spins, 20240611, 2);
        const double n = std::sqrt(static_cast<double>(Spins));
        const double tolerance = 4.5;

        QCOMPARE(sim.sheet.spins, Spins);
        QVERIFY(!sim.sheet.exact);
        QVERIFY2(std::abs(sim.sheet.returnBet1 - exact.returnBet1) < tolerance * exact.sdBet1 / n,
                 qPrintable(QString("%1 vs %2").arg(sim.sheet.returnBet1).arg(exact.returnBet1)));
        const double hitSd = std::sqrt(exact.hitRate * (1 - exact.hitRate));
        QVERIFY2(std::abs(sim.sheet.hitRate - exact.hitRate) < tolerance * hitSd / n,
                 qPrintable(QString("%1 vs %2").arg(sim.sheet.hitRate).arg(exact.hitRate)));
        QVERIFY2(std::abs(sim.sheet.blankShare - exact.blankShare) < tolerance * exact.blankShareSd / n,
                 qPrintable(QString("%1 vs %2").arg(sim.sheet.blankShare).arg(exact.blankShare)));
        QVERIFY(sim.returnLow < sim.sheet.returnBet1 && sim.sheet.returnBet1 < sim.returnHigh);
    }

    // One thread plays exactly the game's own spins: FastRandom from the
    // seed, each spin from the grid the last one left, the first from the
    // first-start grid.
    void oneThreadPlaysTheGamesSpins()
    {
        constexpr std::uint64_t Spins = 2000;
        WheelStrip strip;
        strip.fill(PayoutMode::GoodDay);
        const PayTable table = BuildPayTable();
        FastRandom rng(77);
        ReelGrid grid = ReelGrid::defaultGrid();
        OutcomeTally tally;
        for (std::uint64_t i = 0; i < Spins; ++i) {
            runSpin(grid, strip, rng);
            tally.add(grid, table);
        }
        const ParSheet expected = tally.sheet(PayoutMode::GoodDay, table);
        const ParSheet played = simulate(PayoutMode::GoodDay, Spins, 77, 1).sheet;
        QCOMPARE(played.returnBet1, expected.returnBet1);
        QCOMPARE(played.hitRate, expected.hitRate);
        QCOMPARE(played.blankShare, expected.blankShare);
        QCOMPARE(played.payCodes.size(), expected.payCodes.size());
    }

    // Threads split the spins between them and their results add up;
    // the same seed and threads give the same figures again.
    void threadsShareTheSpins_data()
    {
        QTest::addColumn<int>("threads");
        QTest::addColumn<int>("spins");
        QTest::newRow("one spin, many threads") << 8 << 1;
        QTest::newRow("uneven split") << 3 << 1001;
        QTest::newRow("one thread, one spin") << 1 << 1;
    }
    void threadsShareTheSpins()
    {
        QFETCH(int, threads);
        QFETCH(int, spins);
        const auto n = static_cast<std::uint64_t>(spins);
        const SimulationResult a = simulate(PayoutMode::Fantasy, n, 5, threads);
        const SimulationResult b = simulate(PayoutMode::Fantasy, n, 5, threads);
        QCOMPARE(a.sheet.spins, n);
        QCOMPARE(a.sheet.returnBet1, b.sheet.returnBet1);
        QCOMPARE(a.sheet.blankShare, b.sheet.blankShare);
        double share = 0;
        for (const PayCodeOdds& c : a.sheet.payCodes)
            share += c.probability;
        QVERIFY(std::abs(share - a.sheet.hitRate) < 1e-12);
        QVERIFY(a.sheet.blankShare > 0 && a.sheet.blankShare < 1);
    }
};

QTEST_GUILESS_MAIN(TestOddsSimulation)
#include "tst_oddssimulation.moc"

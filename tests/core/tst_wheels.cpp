#include "NextSymbol.h"
#include "RandomSource.h"
#include "SpinSequence.h"
#include "WheelStrip.h"

#include <QTest>

using namespace strhaven;

namespace {

// Hands out the stops of a script, then repeats its last one.
struct ScriptedRandom {
    std::vector<int> stops;
    std::size_t next = 0;
    int nextStop() { return stops[std::min(next++, stops.size() - 1)]; }
};

Symbol S(int i) { return symbolFromIndex(i); }

} // namespace

class TestWheels : public QObject {
    Q_OBJECT
private slots:
    void stripCounts_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<int>>("counts"); // Blank, Emblem, RedSeven, TripleBar, DoubleBar, WhiteSeven, SingleBar
        QTest::newRow("Realistic") << "Realistic" << QList<int>{21, 1, 2, 4, 5, 3, 6};
        QTest::newRow("GoodDay") << "GoodDay" << QList<int>{21, 3, 2, 4, 4, 3, 5};
        QTest::newRow("Fantasy") << "Fantasy" << QList<int>{21, 6, 3, 3, 3, 4, 2};
    }
    void stripCounts()
    {
        QFETCH(QString, mode);
        QFETCH(QList<int>, counts);
        WheelStrip strip;
        QVERIFY(SetPayout(strip, mode.toStdString()));
        for (int s = 0; s < SymbolCount; ++s)
            QCOMPARE(strip.count(S(s)), counts[s]);
        for (int stop = 2; stop <= 42; stop += 2)
            QCOMPARE(strip.stop(stop), Symbol::Blank);
    }

    void unknownModeKeepsTheSymbols_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("lower case") << "goodday";
        QTest::newRow("trailing blank") << "Fantasy ";
        QTest::newRow("empty") << "";
        QTest::newRow("caption, not mode") << "A good day";
    }
    void unknownModeKeepsTheSymbols()
    {
        QFETCH(QString, mode);
        WheelStrip fresh;
        QVERIFY(!SetPayout(fresh, mode.toStdString()));
        QVERIFY(fresh.count(Symbol::Blank) < WheelStrip::Stops); // never a strip without symbols
        WheelStrip realistic;
        SetPayout(realistic, "Realistic");
        WheelStrip strip = realistic;
        QVERIFY(!SetPayout(strip, mode.toStdString()));
        QCOMPARE(strip, realistic);
    }

    void realisticStops()
    {
        WheelStrip strip;
        SetPayout(strip, "Realistic");
        QCOMPARE(strip.stop(1), Symbol::Emblem);
        QCOMPARE(strip.stop(2), Symbol::Blank);
        QCOMPARE(strip.stop(3), Symbol::RedSeven);
        QCOMPARE(strip.stop(42), Symbol::Blank);
    }

    // Scripted draws walk through refused stops to the first acceptable one.
    void choice_data()
    {
        QTest::addColumn<QList<int>>("wheel"); // top, middle, bottom; -1 shows nothing
        QTest::addColumn<QList<int>>("draws"); // 0-based stop indices (Realistic strip)
        QTest::addColumn<int>("expected");
        // Realistic index 0 Emblem, 1 Blank, 2 RedSeven, 4 WhiteSeven, 6 TripleBar.
        QTest::newRow("emblem top becomes blank") << QList<int>{1, 1, 0} << QList<int>{2} << 0;
        QTest::newRow("same symbol refused") << QList<int>{2, 2, 0} << QList<int>{2, 12, 1} << 0;
        QTest::newRow("blank after blank refused") << QList<int>{0, 0, 5} << QList<int>{1, 3, 4} << 5;
        QTest::newRow("emblem above symbol refused") << QList<int>{3, 3, 0} << QList<int>{0, 2} << 2;
        QTest::newRow("emblem with emblem below refused") << QList<int>{0, 0, 1} << QList<int>{0, 1, 6} << 3;
        QTest::newRow("emblem above blank accepted") << QList<int>{0, 0, 4} << QList<int>{0} << 1;
        QTest::newRow("empty top counts as blank") << QList<int>{-1, -1, -1} << QList<int>{1, 7, 6} << 3;
        QTest::newRow("empty bottom is no emblem") << QList<int>{-1, -1, -1} << QList<int>{0} << 1;
    }
    void choice()
    {
        QFETCH(QList<int>, wheel);
        QFETCH(QList<int>, draws);
        QFETCH(int, expected);
        WheelStrip strip;
        SetPayout(strip, "Realistic");
        ReelGrid grid;
        for (int row = 0; row < 3; ++row)
            if (wheel[row] >= 0)
                grid.set(ReelGrid::position(1, row), S(wheel[row]));
        ScriptedRandom rng{std::vector<int>(draws.begin(), draws.end())};
        NextSymbol(grid, 1, strip, rng);
        QCOMPARE(toIndex(grid.at(ReelGrid::position(1, 0))), expected);
        QCOMPARE(rng.next, std::size_t(draws.size()));
    }

    // Over many seeded spins every wheel obeys the neighbour rules.
    void adjacencyHoldsOverManySpins_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("Realistic") << "Realistic";
        QTest::newRow("GoodDay") << "GoodDay";
        QTest::newRow("Fantasy") << "Fantasy";
    }
    void adjacencyHoldsOverManySpins()
    {
        QFETCH(QString, mode);
        WheelStrip strip;
        SetPayout(strip, mode.toStdString());
        FastRandom rng(7);
        ReelGrid grid = ReelGrid::defaultGrid();
        for (int w = 0; w < 3; ++w)
            grid.set(ReelGrid::position(w, 1), Symbol::RedSeven); // start legal-ish
        for (int spin = 0; spin < 3000; ++spin) {
            runSpin(grid, strip, rng);
            if (spin < 2)
                continue; // the default grid itself breaks the rules
            for (int w = 0; w < 3; ++w) {
                const Symbol t = grid.at(w), m = grid.at(w + 3), b = grid.at(w + 6);
                QVERIFY(t != m && m != b);
                const int emblems = (t == Symbol::Emblem) + (m == Symbol::Emblem) + (b == Symbol::Emblem);
                QVERIFY(emblems <= 1);
                if (m == Symbol::Emblem)
                    QVERIFY(t == Symbol::Blank && b == Symbol::Blank);
            }
        }
    }

    void stepOrderAndFrames()
    {
        const auto& steps = spinSteps();
        int nexts[3] = {0, 0, 0};
        int perPhase[3] = {0, 0, 0};
        for (const auto& s : steps) {
            ++perPhase[s.phase - 1];
            if (s.kind == SpinStep::Kind::Next)
                ++nexts[s.from];
        }
        QCOMPARE(perPhase[0], 15 * 9);
        QCOMPARE(perPhase[1], 10 * 6);
        QCOMPARE(perPhase[2], 5 * 3);
        QCOMPARE(nexts[0], 15);
        QCOMPARE(nexts[1], 25);
        QCOMPARE(nexts[2], 30);
        // First frame of each phase, as (kind, from, to) with Next wheel in from.
        auto sig = [&](int i) {
            const auto& s = steps[static_cast<std::size_t>(i)];
            return s.kind == SpinStep::Kind::Next ? QString("N%1").arg(s.from + 1)
                                                  : QString("%1>%2").arg(s.from + 1).arg(s.to + 1);
        };
        QStringList first, second, third;
        for (int i = 0; i < 9; ++i)
            first << sig(i);
        for (int i = 135; i < 141; ++i)
            second << sig(i);
        for (int i = 195; i < 198; ++i)
            third << sig(i);
        QCOMPARE(first.join(' '), QString("4>7 5>8 6>9 1>4 2>5 3>6 N1 N2 N3"));
        QCOMPARE(second.join(' '), QString("5>8 6>9 2>5 3>6 N2 N3"));
        QCOMPARE(third.join(' '), QString("6>9 3>6 N3"));
    }

    void pauses_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("d1");
        QTest::addColumn<int>("d2");
        QTest::addColumn<int>("d3");
        QTest::newRow("0") << 0 << 0 << 0 << 0;
        QTest::newRow("1") << 1 << 100000 << 150000 << 300000;
        QTest::newRow("5") << 5 << 500000 << 750000 << 1500000;
        QTest::newRow("10") << 10 << 1000000 << 1500000 << 3000000;
    }
    void pauses()
    {
        QFETCH(int, speed);
        QFETCH(int, d1);
        QFETCH(int, d2);
        QFETCH(int, d3);
        QCOMPARE(pauseUnits(1, speed), d1);
        QCOMPARE(pauseUnits(2, speed), d2);
        QCOMPARE(pauseUnits(3, speed), d3);
        long long total = 0;
        for (const auto& s : spinSteps())
            total += pauseUnits(s.phase, speed);
        QCOMPARE(total, 270LL * d1);
    }

    void seededSpinsRepeat()
    {
        WheelStrip strip;
        auto play = [&](std::uint64_t seed) {
            FastRandom rng(seed);
            ReelGrid g = ReelGrid::defaultGrid();
            std::vector<ReelGrid> seen;
            for (int i = 0; i < 50; ++i) {
                runSpin(g, strip, rng);
                seen.push_back(g);
            }
            return seen;
        };
        QVERIFY(play(42) == play(42));
        QVERIFY(play(42) != play(43));
    }

    void stopsAreUniform()
    {
        FastRandom rng(99);
        std::array<int, 42> hits{};
        const int draws = 42 * 20000;
        for (int i = 0; i < draws; ++i) {
            const int s = rng.nextStop();
            QVERIFY(s >= 0 && s < 42);
            ++hits[static_cast<std::size_t>(s)];
        }
        // 20000 expected per stop, sd ~140: 6 sd either side.
        for (int h : hits)
            QVERIFY2(std::abs(h - 20000) < 850, qPrintable(QString::number(h)));
    }
};

QTEST_APPLESS_MAIN(TestWheels)
#include "tst_wheels.moc"

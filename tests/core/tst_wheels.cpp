#include "core/PayTable.h"
#include "core/NextSymbol.h"
#include "core/RandomSource.h"
#include "core/SpinSequence.h"
#include "core/WheelStrip.h"

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
    // A fresh strip holds A good day; only a mode's exact name, as files
    // and settings store it, names that mode.
    void payoutModes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("parsed"); // -1: no mode
        QTest::newRow("Realistic") << "Realistic" << int(PayoutMode::Realistic);
        QTest::newRow("GoodDay") << "GoodDay" << int(PayoutMode::GoodDay);
        QTest::newRow("Fantasy") << "Fantasy" << int(PayoutMode::Fantasy);
        QTest::newRow("lower case") << "goodday" << -1;
        QTest::newRow("trailing blank") << "Fantasy " << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void payoutModes()
    {
        QFETCH(QString, mode);
        QFETCH(int, parsed);
        const auto found = payoutModeFromString(mode.toStdString());
        QCOMPARE(found ? int(*found) : -1, parsed);
        if (found)
            QCOMPARE(QString::fromStdString(std::string(toString(*found))), mode);
        WheelStrip fresh, goodDay;
        goodDay.fill(PayoutMode::Realistic);
        goodDay.fill(PayoutMode::GoodDay);
        QVERIFY(fresh == goodDay);
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
        strip.fill(PayoutMode::Realistic);
        ReelGrid grid;
        for (int row = 0; row < 3; ++row)
            if (wheel[row] >= 0)
                grid.set(ReelGrid::position(1, row), S(wheel[row]));
        ScriptedRandom rng{std::vector<int>(draws.begin(), draws.end())};
        NextSymbol(grid, 1, strip, rng);
        QCOMPARE(toIndex(grid.at(ReelGrid::position(1, 0))), expected);
        QCOMPARE(rng.next, std::size_t(draws.size()));
    }

    // Each frame moves its wheels down a row, bottom row first, then draws
    // the symbol entering each turning wheel: 15, 10 and 5 frames.
    void stepOrderAndFrames()
    {
        QString seen;
        for (const auto& s : spinSteps())
            seen += s.kind == SpinStep::Kind::Next ? QString("%1:N%2 ").arg(s.phase).arg(s.from + 1)
                                                  : QString("%1:%2>%3 ").arg(s.phase).arg(s.from + 1).arg(s.to + 1);
        const QString expected = QString("1:4>7 1:5>8 1:6>9 1:1>4 1:2>5 1:3>6 1:N1 1:N2 1:N3 ").repeated(15) +
                                 QString("2:5>8 2:6>9 2:2>5 2:3>6 2:N2 2:N3 ").repeated(10) +
                                 QString("3:6>9 3:3>6 3:N3 ").repeated(5);
        QCOMPARE(seen, expected);
    }

    // Twenty spins from one seed, grid by grid with the pay line's code: any
    // change to how stops are drawn, or to the generator, shows here.
    void seededSpinsAreGolden()
    {
        WheelStrip strip; // A good day
        FastRandom rng(20261206);
        ReelGrid g = ReelGrid::defaultGrid();
        QStringList seen;
        for (int i = 0; i < 20; ++i) {
            runSpin(g, strip, rng);
            QString cells;
            for (int pos = 0; pos < ReelGrid::Positions; ++pos)
                cells += QString::number(toIndex(g.at(pos)));
            seen << cells + ':' + QString::number(PayCode(g));
        }
        QCOMPARE(seen.join(' '), QString("106060553:160 606240064:240 441300044:301 413000341:11 332050105:150 "
                                          "650026540:26 460606024:606 463024306:24 600043600:43 006340062:340 "
                                          "006333005:333 001160005:161 400064505:64 620561000:561 403010503:10 "
                                          "030641300:641 055240004:240 056630003:630 060606040:606 000141000:141"));
    }
};

QTEST_APPLESS_MAIN(TestWheels)
#include "tst_wheels.moc"

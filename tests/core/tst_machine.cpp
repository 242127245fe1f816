#include "core/Denomination.h"
#include "core/Machine.h"

#include <QStringList>
#include <QTest>

#include <map>
#include <random>

using namespace strhaven;

namespace {

// Seed 711's first spin on the Fantasy wheels lines up three Emblems.
constexpr std::uint64_t ThreeEmblemsSeed = 711;

using Kind = MachineStep::Kind;

// A machine with a game of these credits on these options.
struct Rig {
    explicit Rig(std::uint64_t seed = 20261206) : random(seed), machine(random) {}
    void setUp(std::int32_t credits, float denomination = 1.0f, const std::string& payout = "GoodDay", int speed = 5)
    {
        GameOptions o;
        o.machine = denomination;
        o.payout = *payoutModeFromString(payout);
        o.wheelSpeed = speed;
        SlotGame g;
        g.credits = credits;
        // As a spin that won 40 on Play Max left them: each spin must set
        // them back before it bets.
        g.wonShown = "40";
        g.playedShown = "3";
        machine.takeGame(o, g);
    }
    // Every step of an operation, then its booking.
    template <class Operation>
    std::vector<MachineStep> run(Operation operation)
    {
        std::vector<MachineStep> steps;
        while (auto step = operation.next())
            steps.push_back(*step);
        operation.finish();
        return steps;
    }
    const SlotGame& game() const { return machine.game(); }

    FastRandom random;
    Machine machine;
};

const char* nameOf(Kind kind)
{
    static const std::map<Kind, const char*> names{
        {Kind::CreditCounted, "credit"}, {Kind::DisplaysReset, "reset"},   {Kind::CoinTaken, "bet"},
        {Kind::WheelsStarted, "start"},  {Kind::Pause, "pause"},          {Kind::SymbolMoved, "move"},
        {Kind::WheelsStopped, "stop"},   {Kind::Jackpot, "jackpot"},      {Kind::CoinPaid, "paid"},
        {Kind::PayoutEnded, "paid out"}};
    return names.at(kind);
}

// The steps as "reset, bet x2, start, ..." with repeats of one kind counted
// (the pauses and moves of the wheels alternate, so they are told apart by
// whether a new symbol entered).
QString summary(const std::vector<MachineStep>& steps)
{
    QStringList all;
    QString last;
    int repeats = 0;
    auto flush = [&] {
        if (repeats)
            all << (repeats > 1 ? QStringLiteral("%1 x%2").arg(last).arg(repeats) : last);
    };
    for (const MachineStep& s : steps) {
        const QString name = s.kind == Kind::Pause || s.kind == Kind::SymbolMoved ? QStringLiteral("wheels")
                                                                                  : QString::fromLatin1(nameOf(s.kind));
        if (name == last && name != "wheels") {
            ++repeats;
            continue;
        }
        if (name == last)
            continue;
        flush();
        last = name;
        repeats = 1;
    }
    flush();
    return all.join(", ");
}

} // namespace

// The machine's rules, without a window: what each operation does to the
// game, step by step, and when it is booked.
class TestMachine : public QObject {
    Q_OBJECT
private slots:
    // A bill is counted credit by credit at the denomination, up to the cap;
    // the $5 slot is shut on the machines above the Dollar one.
    void bills_data()
    {
        QTest::addColumn<float>("denomination");
        QTest::addColumn<int>("dollars");
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("outcome"); // steps | credits | inserted, changed
        QTest::newRow("nickel, $100") << 20.0f << 100 << 0 << "credit x2000|2000|100 1";
        QTest::newRow("quarter, $20") << 4.0f << 20 << 7 << "credit x80|87|20 1";
        QTest::newRow("half dollar, $5") << 2.0f << 5 << 0 << "credit x10|10|5 1";
        QTest::newRow("two dollars, $50") << 0.5f << 50 << 0 << "credit x25|25|50 1";
        QTest::newRow("five dollars, $10") << 0.2f << 10 << 0 << "credit x2|2|10 1";
        QTest::newRow("two dollars: no $5 bill") << 0.5f << 5 << 3 << "|3|0 0";
        QTest::newRow("five dollars: no $5 bill") << 0.2f << 5 << 3 << "|3|0 0";
        QTest::newRow("up to the cap") << 1.0f << 20 << 99990 << "credit x20|100000|20 1";
    }
    void bills()
    {
        QFETCH(float, denomination);
        QFETCH(int, dollars);
        QFETCH(int, before);
        QFETCH(QString, outcome);
        Rig rig;
        rig.setUp(before, denomination);
        QCOMPARE(rig.machine.takesBill(dollars), !outcome.startsWith('|'));
        BillCount count = rig.machine.insertBill(dollars);
        std::vector<MachineStep> steps;
        while (auto step = count.next()) {
            steps.push_back(*step);
            QCOMPARE(step->credits, rig.game().credits); // the credits shown are the credits now
            QCOMPARE(rig.game().amountInserted, 0);      // booked only at the end
            QVERIFY(!rig.game().changed);
        }
        count.finish();
        count.finish(); // once only
        QCOMPARE(QStringLiteral("%1|%2|%3 %4").arg(summary(steps)).arg(rig.game().credits).arg(rig.game().amountInserted)
                     .arg(rig.game().changed),
                 outcome);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("credits");
        QTest::addColumn<int>("bet");
        QTest::addColumn<int>("refusal"); // -1: none
        QTest::newRow("no credits") << 0 << 1 << int(Machine::Refusal::NoCredits);
        QTest::newRow("two for three") << 2 << 3 << int(Machine::Refusal::TooFewCredits);
        QTest::newRow("three for three") << 3 << 3 << -1;
        QTest::newRow("one for one") << 1 << 1 << -1;
    }
    void refusals()
    {
        QFETCH(int, credits);
        QFETCH(int, bet);
        QFETCH(int, refusal);
        Rig rig;
        rig.setUp(credits);
        const auto why = rig.machine.refusal(bet);
        QCOMPARE(why ? int(*why) : -1, refusal);
    }

    // A spin: WON and BET back to 0 in the game itself (a game saved after a
    // losing spin must not carry the last win), the bet taken coin by coin,
    // the 210 steps of the wheels each after its pause (70 new symbols), the
    // stop, the payout; the win is counted in when it is paid, the spin only
    // when it is finished.
    void spinSteps_data()
    {
        QTest::addColumn<std::uint64_t>("seed");
        QTest::addColumn<QString>("payout");
        QTest::addColumn<int>("bet");
        QTest::addColumn<int>("credits");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("after"); // credits, WON, BET, credits won
        QTest::newRow("no win") << std::uint64_t(5) << "Realistic" << 2 << 10 << "reset, bet x2, start, wheels, stop, paid out"
                                << "8 0 2 0";
        QTest::newRow("three Emblems, 1 credit") << ThreeEmblemsSeed << "Fantasy" << 1 << 10
                                                 << "reset, bet, start, wheels, stop, paid x1500, paid out"
                                                 << "1509 1500 1 1500";
        QTest::newRow("three Emblems, 3 credits: the jackpot")
            << ThreeEmblemsSeed << "Fantasy" << 3 << 3 << "reset, bet x3, start, wheels, stop, jackpot, paid x5000, jackpot, paid out"
            << "5000 5000 3 5000";
        QTest::newRow("the credits stop at the cap") << ThreeEmblemsSeed << "Fantasy" << 1 << 99999
                                                     << "reset, bet, start, wheels, stop, paid x1500, paid out"
                                                     << "100000 1500 1 1500";
    }
    void spinSteps()
    {
        QFETCH(std::uint64_t, seed);
        QFETCH(QString, payout);
        QFETCH(int, bet);
        QFETCH(int, credits);
        QFETCH(QString, steps);
        QFETCH(QString, after);
        Rig rig(seed);
        rig.setUp(credits, 1.0f, payout.toStdString());
        Spin spin = rig.machine.play(bet);
        std::vector<MachineStep> seen;
        int fresh = 0, pauses = 0;
        QStringList bets;
        while (auto step = spin.next()) {
            if (step->kind == Kind::DisplaysReset)
                QCOMPARE(rig.game().wonShown + rig.game().playedShown, std::string("00"));
            seen.push_back(*step);
            fresh += step->fresh;
            pauses += step->kind == Kind::Pause;
            if (step->kind == Kind::CoinTaken)
                bets << QString::fromStdString(step->shown);
            QCOMPARE(step->credits, rig.game().credits);
            QCOMPARE(rig.game().spins, 0);
            QCOMPARE(rig.game().creditsWon, step->kind == Kind::PayoutEnded ? std::stoi(rig.game().wonShown) : 0);
        }
        QVERIFY(!rig.game().changed);
        spin.finish();
        QCOMPARE(summary(seen), steps);
        QCOMPARE(pauses, 210);
        QCOMPARE(fresh, 70);
        QCOMPARE(bets.join(' '), QStringList({"1", "2", "3"}).mid(0, bet).join(' '));
        const SlotGame& g = rig.game();
        QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(g.credits).arg(QString::fromStdString(g.wonShown))
                     .arg(QString::fromStdString(g.playedShown)).arg(g.creditsWon),
                 after);
        QCOMPARE(g.spins, 1);
        QCOMPARE(g.creditsPlayed, bet);
        QVERIFY(g.changed);
    }

    // The pauses of a spin follow the wheel speed: 135 of d1, 60 of d2 and
    // 15 of d3, with d1 = speed x 100000, d2 = 1.5 d1, d3 = 2 d2.
    void pausesFollowTheWheelSpeed_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("pauses");
        QTest::newRow("0") << 0 << "0 x210";
        QTest::newRow("1") << 1 << "100000 x135, 150000 x60, 300000 x15";
        QTest::newRow("7") << 7 << "700000 x135, 1050000 x60, 2100000 x15";
    }
    void pausesFollowTheWheelSpeed()
    {
        QFETCH(int, speed);
        QFETCH(QString, pauses);
        Rig rig;
        rig.setUp(1, 1.0f, "GoodDay", speed);
        std::map<std::int32_t, int> units;
        QStringList order;
        for (const MachineStep& step : rig.run(rig.machine.play(1)))
            if (step.kind == Kind::Pause && units[step.units]++ == 0)
                order << QString::number(step.units);
        QStringList seen;
        for (const QString& u : order)
            seen << QStringLiteral("%1 x%2").arg(u).arg(units[u.toInt()]);
        QCOMPARE(seen.join(", "), pauses);
    }

    // A failure of the randomness leaves the credits taken taken and the
    // spin bookable.
    void failedSpinIsStillBooked()
    {
        struct Failing final : RandomSource {
            int nextStop() override { throw std::runtime_error("no randomness"); }
        } failing;
        Machine machine(failing);
        SlotGame g;
        g.credits = 5;
        machine.takeGame(GameOptions{}, g);
        Spin spin = machine.play(2);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, [&] {
            while (spin.next()) {
            }
        }());
        QVERIFY(!spin.paying());
        spin.finish();
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(machine.game().credits).arg(machine.game().spins).arg(machine.game().creditsPlayed),
                 QString("3 1 2"));
    }

    // A new denomination counts the money inserted again at the new rate,
    // while the old one is still in force; the wheels follow the payout
    // mode; the game counts as changed whatever changed.
    void optionsChange_data()
    {
        QTest::addColumn<int>("credits");
        QTest::addColumn<int>("inserted");
        QTest::addColumn<float>("from");
        QTest::addColumn<float>("to");
        QTest::addColumn<QString>("after"); // credits, whether they changed
        QTest::newRow("quarter to nickel") << 40 << 10 << 4.0f << 20.0f << "200 1";
        QTest::newRow("nickel to dollar: held at 0, not -190") << 0 << 10 << 20.0f << 1.0f << "0 0";
        QTest::newRow("held at the cap") << 90000 << 1000 << 1.0f << 20.0f << "100000 1";
        QTest::newRow("largest counts, no overflow") << 100000 << 100000 << 0.2f << 20.0f << "100000 0";
        QTest::newRow("7.5: half up to even") << 10 << 5 << 1.0f << 0.5f << "8 1";
        QTest::newRow("6.5: half down to even") << 9 << 5 << 1.0f << 0.5f << "6 1";
        // 0.2f is a little more than 0.2: $10 on Five Dollars is still 2 credits.
        QTest::newRow("five dollars to dollar") << 2 << 10 << 0.2f << 1.0f << "10 1";
        QTest::newRow("same machine") << 57 << 10 << 0.2f << 0.2f << "57 0";
        QTest::newRow("a machine no option matches, kept") << 57 << 10 << 3.0f << 3.0f << "57 0";
    }
    void optionsChange()
    {
        QFETCH(int, credits);
        QFETCH(int, inserted);
        QFETCH(float, from);
        QFETCH(float, to);
        QFETCH(QString, after);
        Rig rig;
        GameOptions o;
        o.machine = from;
        SlotGame g;
        g.credits = credits;
        g.amountInserted = inserted;
        rig.machine.takeGame(o, g);
        GameOptions chosen = rig.machine.options();
        chosen.machine = to;
        chosen.payout = PayoutMode::Realistic;
        chosen.wheelSpeed = 2;
        chosen.cashOut = CashOutAction::NewGame; // not this dialog's to change
        const OptionsChange change = rig.machine.changeOptions(chosen);
        QCOMPARE(QStringLiteral("%1 %2").arg(rig.game().credits).arg(change.credits), after);
        QCOMPARE(rig.machine.options().machine, to);
        QCOMPARE(rig.machine.options().wheelSpeed, 2);
        QVERIFY(rig.machine.options().cashOut == CashOutAction::Exit);
        QVERIFY(rig.game().changed);
        QCOMPARE(rig.machine.takesBill(5), !fiveDollarSlotShut(to));
    }

    // Any sequence of denomination changes over any game: the credits shown
    // are always the exact count (what was won or lost, plus the money
    // inserted at the denomination now) rounded, and held within 0 and the
    // cap; nothing is made from nothing, nothing lost beyond one rounding.
    // Among the games: all 2000 credits of a $100 Nickel game played away,
    // which went to 0 on the Dollar machine and came back as 1900.
    void denominationChangesKeepTheMoney()
    {
        const float machines[] = {20.0f, 10.0f, 4.0f, 2.0f, 1.0f, 0.5f, 0.2f};
        std::mt19937_64 draw(20261207);
        auto any = [&draw](int low, int high) { return std::uniform_int_distribution<int>(low, high)(draw); };
        for (int game = 0; game < 2000; ++game) {
            Rig rig;
            GameOptions o;
            SlotGame g;
            o.machine = game == 0 ? 20.0f : machines[any(0, 6)];
            g.amountInserted = game == 0 ? 100 : any(0, 3) == 0 ? any(0, CounterCap) : any(0, 500);
            g.credits = game == 0 ? 0 : any(0, 1) ? any(0, CounterCap) : any(0, 50);
            rig.machine.takeGame(o, g);
            const double won = double(g.credits) - double(g.amountInserted) * double(o.machine);
            const int changes = game == 0 ? 2 : any(1, 40);
            for (int change = 0; change < changes; ++change) {
                GameOptions chosen = rig.machine.options();
                chosen.machine = game == 0 ? (change == 0 ? 1.0f : 20.0f) : machines[any(0, 6)];
                rig.machine.changeOptions(chosen);
                const double exact = won + double(g.amountInserted) * double(chosen.machine);
                const double low = std::clamp(exact - 0.5, 0.0, double(CounterCap));
                const double high = std::clamp(exact + 0.5, 0.0, double(CounterCap));
                const int shown = rig.game().credits;
                QVERIFY2(low <= shown && shown <= high,
                         qPrintable(QStringLiteral("game %1, change %2: %3 credits, exactly %4").arg(game).arg(change)
                                        .arg(shown).arg(exact)));
            }
        }
    }

    // The payout mode decides the wheels: the Fantasy wheels line up three
    // Emblems for seed 711, the Realistic ones do not.
    void payoutModeFillsTheWheels()
    {
        for (PayoutMode mode : {PayoutMode::Fantasy, PayoutMode::Realistic}) {
            Rig rig(ThreeEmblemsSeed);
            rig.setUp(1);
            GameOptions chosen = rig.machine.options();
            chosen.payout = mode;
            rig.machine.changeOptions(chosen);
            rig.run(rig.machine.play(1));
            QCOMPARE(rig.game().creditsWon == 1500, mode == PayoutMode::Fantasy);
        }
    }

    // A new game starts at zero from the stored options, never above the
    // Dollar machine, unchanged; a game from a file brings the options a
    // file carries and keeps the others.
    void newAndTakenGames()
    {
        Rig rig;
        GameOptions stored;
        stored.machine = 0.2f;
        stored.cashOut = CashOutAction::NewGame;
        stored.loadLastFile = false;
        ReelGrid wheel = ReelGrid::defaultGrid();
        wheel.clear(8);
        rig.setUp(50);
        rig.run(rig.machine.insertBill(10));
        rig.machine.startNewGame(stored, wheel);
        QCOMPARE(rig.machine.options().machine, 1.0f);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(rig.game().credits).arg(rig.game().amountInserted)
                     .arg(QString::fromStdString(rig.game().wonShown)).arg(rig.game().changed),
                 QString("0 0 0 0"));
        QVERIFY(rig.game().grid.isEmpty(8));

        GameOptions carried;
        carried.wheelSpeed = 9;
        carried.machine = 0.5f;
        carried.payout = PayoutMode::Fantasy;
        carried.loadLastFile = true;
        carried.cashOut = CashOutAction::Exit;
        SlotGame fromFile;
        fromFile.credits = 77;
        fromFile.wonShown = " 12.0";
        rig.machine.takeGame(carried, fromFile);
        const GameOptions& o = rig.machine.options();
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5").arg(o.wheelSpeed).arg(double(o.machine)).arg(int(o.payout))
                     .arg(o.loadLastFile).arg(int(o.cashOut)),
                 QStringLiteral("9 0.5 %1 0 %2").arg(int(PayoutMode::Fantasy)).arg(int(CashOutAction::NewGame)));
        QCOMPARE(rig.game().credits, 77);
        QCOMPARE(rig.game().wonShown, std::string(" 12.0"));
        QVERIFY(!rig.game().changed);
        QVERIFY(!rig.machine.takesBill(5));
        rig.machine.takeGame(carried, fromFile, true); // a kept game taken up again
        QVERIFY(rig.game().changed);
        rig.machine.markSaved();
        QVERIFY(!rig.game().changed);
        rig.machine.changeCashOut(CashOutAction::NewGame, false);
        QVERIFY(rig.game().changed);
        QVERIFY(!rig.machine.options().showStats);
    }
};

QTEST_APPLESS_MAIN(TestMachine)
#include "tst_machine.moc"

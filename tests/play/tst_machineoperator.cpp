#include "fakes/PlayRig.h"

#include <numeric>

using namespace strhaven;
using namespace std::chrono_literals;

namespace {

// A random source that fails, as a broken generator would.
class FailingRandom final : public RandomSource {
public:
    int nextStop() override { throw std::runtime_error("no randomness"); }
};

// Seed 711's first spin on the Fantasy wheels lines up three Emblems.
constexpr std::uint64_t ThreeEmblemsSeed = 711;

struct Rig : PlayRig {
    using PlayRig::PlayRig;
    bool everythingLocked()
    {
        for (int bet = 1; bet <= 3; ++bet)
            if (face.playButton(bet)->picture() != ImageButton::Picture::Disabled)
                return false;
        return face.cashOutButton()->picture() == ImageButton::Picture::Disabled && !player.isIdle();
    }
    // The game as a file would hold it, and the face as it shows.
    QString state() const
    {
        const SlotGame& g = game();
        QStringList grid;
        for (int pos = 0; pos < ReelGrid::Positions; ++pos)
            grid << QString::number(toIndex(g.grid.at(pos)));
        return QStringLiteral("%1 %2/%3 won %4 bet %5 | %6 | %7 %8 %9")
            .arg(g.credits).arg(g.spins).arg(g.creditsPlayed).arg(QString::fromStdString(g.wonShown))
            .arg(QString::fromStdString(g.playedShown)).arg(grid.join(""))
            .arg(face.creditsLabel()->text().trimmed(), face.wonLabel()->text(), face.playedLabel()->text());
    }
    void useFantasyWheels(bool wheelSound = true)
    {
        GameOptions o = machine.options();
        o.payout = PayoutMode::Fantasy;
        o.wheelSound = wheelSound;
        setOptions(o);
    }
};

// The delays a timer was asked for, with repeats counted: "100ms x2, 0 x3".
QString delaysOf(const std::vector<std::chrono::nanoseconds>& delays)
{
    QStringList seq;
    for (auto d : delays)
        seq << (d == 0ns ? QStringLiteral("0") : QStringLiteral("%1ms").arg(double(d.count()) / 1e6, 0, 'f', 3));
    return counted(seq);
}

// Paints of the displays, each with the text it painted.
struct PaintLog : QObject {
    QStringList paints;
    explicit PaintLog(MachineFace& face)
    {
        for (QLabel* display : {face.creditsLabel(), face.wonLabel(), face.playedLabel()})
            display->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            paints << watched->objectName().chopped(7) + ' ' + static_cast<QLabel*>(watched)->text().trimmed();
        return false;
    }
};

} // namespace

// What the operator adds to the machine's rules: the clicks it takes, the
// lock, the displays, sounds and pauses of each step as the event loop
// plays them, the booking at the very end, and the one way to finish an
// operation at once.
class TestMachineOperator : public QObject {
    Q_OBJECT
private slots:
    // A bill, then Play Max with three credits: each coin moves a credit to
    // BET; the machine stays locked and the spin unbooked until it is over,
    // and each display change is painted before the next step.
    void billThenPlayMax()
    {
        Rig rig;
        QStringList seen;
        QString wonWhileTurning;
        int steps = 0;
        rig.sound.onCall = [&](const FakeSoundOutput::Call& c) {
            if (soundOf(c) == 2 && seen.size() < 3)
                seen << QString("%1/%2").arg(rig.game().credits).arg(rig.face.playedLabel()->text());
        };
        rig.timer.beforeStep = [&] {
            ++steps;
            QVERIFY(rig.everythingLocked());
            QCOMPARE(rig.game().spins, 0);
            if (rig.timer.delays.size() > 10 && wonWhileTurning.isEmpty())
                wonWhileTurning = rig.face.wonLabel()->text();
        };
        rig.click(rig.face.billSlot(5));
        QVERIFY(!rig.everythingLocked());
        rig.setGame(3);
        seen.clear();
        // The last spin's win is cleared when the next one starts.
        rig.face.setWonText("1500", false);
        // Whoever wakes with the machine finds the spin booked, never half done.
        QString atWake;
        connect(&rig.player, &MachineOperator::busyChanged, this, [&](bool busy) {
            if (!busy)
                atWake = QString("%1 %2 %3").arg(rig.game().spins).arg(rig.game().creditsPlayed).arg(rig.game().changed);
        });
        QVERIFY(QTest::qWaitForWindowExposed(&rig.face));
        PaintLog log(rig.face);
        steps = 0;
        rig.click(rig.face.playButton(3));
        QCOMPARE(wonWhileTurning, QString("0"));
        QCOMPARE(atWake, QString("1 3 1"));
        QCOMPARE(seen, QStringList({"2/1", "1/2", "0/3"}));
        QVERIFY(!rig.everythingLocked());
        QCOMPARE(rig.face.wonLabel()->text(), QString::fromStdString(rig.game().wonShown));
        QCOMPARE(rig.face.creditsLabel()->text(), QStringLiteral(" %1").arg(rig.game().credits));
        // The timer brought every step after the displays' reset: 3 coins
        // (each with the credits left after it), 210 pauses, the 70 new
        // symbols painted, each credit won, and the end of the payout, after
        // which the spin was booked.
        const int won = std::stoi(rig.game().wonShown);
        QCOMPARE(steps, 1 + 3 + 210 + 70 + won + 1);
        // WON is cleared with the first coin's paint; CREDITS follows each
        // coin, and each credit won follows WON.
        QCOMPARE(log.paints.mid(0, 7),
                 QStringList({"won 0", "bet 1", "credits 2", "bet 2", "credits 1", "bet 3", "credits 0"}));
        QCOMPARE(log.paints.size(), 7 + 2 * won);
    }

    void notEnoughCredits_data()
    {
        QTest::addColumn<int>("credits");
        QTest::addColumn<int>("bet");
        QTest::addColumn<QString>("text");
        QTest::newRow("none, Play 1") << 0 << 1 << "You need to Insert Bills first.";
        QTest::newRow("two, Play Max") << 2 << 3 << "You need to Insert Bills or play fewer credits this spin.";
    }
    void notEnoughCredits()
    {
        QFETCH(int, credits);
        QFETCH(int, bet);
        QFETCH(QString, text);
        Rig rig;
        rig.setGame(credits);
        rig.click(rig.face.playButton(bet));
        QCOMPARE(rig.prompter.boxes(), QStringList{"Information Ok, Star Haven Virtual Slots: " + text});
        QCOMPARE(rig.game().credits, credits);
        QCOMPARE(rig.game().spins, 0);
        QCOMPARE(rig.face.playButton(bet)->picture(), ImageButton::Picture::Normal);
        QVERIFY(rig.timer.delays.empty());
    }

    // Each paid credit: WON counts up, the coin sounds, then CREDITS shows
    // it when the coin has sounded; a jackpot sounds before and after the
    // count, each waited for to its end.
    void payout_data()
    {
        QTest::addColumn<int>("bet");
        QTest::addColumn<QString>("outcome"); // WON/CREDITS at the first two coins paid | heard from the wheels' stop | waits
        QTest::newRow("1 credit") << 1 << "1/9 2/10|stop, coin x1500, stop|100.000ms x1500, 0";
        QTest::newRow("3 credits: the jackpot")
            << 3 << "1/7 2/8|stop, jackpot, coin x5000, jackpot, stop|5749.000ms, 100.000ms x5000, 5749.000ms, 0";
    }
    void payout()
    {
        QFETCH(int, bet);
        QFETCH(QString, outcome);
        FastRandom emblems(ThreeEmblemsSeed);
        Rig fantasy(&emblems);
        fantasy.useFantasyWheels(false);
        fantasy.setGame(10);
        // The displays reset, the bet's coins and the wheels' 280 waits (210
        // pauses, 70 new symbols painted) come before the stop.
        const std::size_t stopped = std::size_t(1 + bet + 280);
        QStringList seen;
        fantasy.sound.onCall = [&](const FakeSoundOutput::Call& c) {
            if (soundOf(c) == 2 && fantasy.timer.delays.size() >= stopped && seen.size() < 2)
                seen << fantasy.face.wonLabel()->text() + '/' + fantasy.face.creditsLabel()->text().trimmed();
        };
        fantasy.click(fantasy.face.playButton(bet));
        fantasy.sound.calls.erase(fantasy.sound.calls.begin(), fantasy.sound.calls.begin() + bet + 1); // the bet, the wheels' start
        const std::vector<std::chrono::nanoseconds> waits(fantasy.timer.delays.begin() + qsizetype(stopped),
                                                          fantasy.timer.delays.end());
        QCOMPARE(seen.join(' ') + '|' + fantasy.heard() + '|' + delaysOf(waits), outcome);
    }

    // The pace of a spin at every wheel speed: 210 pauses (135 of d1, 60 of
    // d2 = 1.5 d1 and 15 of d3 = 2 d2, with d1 = speed x 100000 units of
    // 22.2 ns), each new symbol painted before the pause after it, and a
    // coin's length before the credits it leaves; a spin at wheel speed 5
    // lasts three seconds and its coins.
    void paceOfASpin_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("pauses"); // each length with its count
        QTest::addColumn<int>("spinMs");     // all the pauses
        for (int speed = 0; speed <= 10; ++speed) {
            const auto ms = [](std::int32_t units) {
                return QStringLiteral("%1ms").arg(double(pauseTime(units).count()) / 1e6, 0, 'f', 3);
            };
            const std::int32_t d1 = speed * 100000;
            QTest::addRow("speed %d", speed)
                << speed
                << (speed == 0 ? QString()
                               : QStringLiteral("%1 x135, %2 x60, %3 x15").arg(ms(d1), ms(d1 + d1 / 2), ms(2 * (d1 + d1 / 2))))
                << speed * 600;
        }
    }
    void paceOfASpin()
    {
        QFETCH(int, speed);
        QFETCH(QString, pauses);
        QFETCH(int, spinMs);
        FastRandom seeded(5);
        Rig rig(&seeded);
        GameOptions o = rig.machine.options();
        o.wheelSpeed = speed;
        o.wheelSound = false;
        rig.setOptions(o);
        rig.setGame(10);
        rig.click(rig.face.playButton(2));
        const auto& d = rig.timer.delays;
        const int won = std::stoi(rig.game().wonShown);
        // The displays reset, the two coins of the bet; then the wheels,
        // each new symbol painted before the next pause; the coins won and
        // the end of the payout.
        QCOMPARE(delaysOf({d.begin(), d.begin() + 3}), QString("0, 100.000ms x2"));
        QCOMPARE(delaysOf({d.end() - won - 1, d.end()}), won ? QString("100.000ms x%1, 0").arg(won) : QString("0"));
        std::vector<std::chrono::nanoseconds> wheels(d.begin() + 3, d.end() - won - 1);
        QCOMPARE(int(std::count(wheels.begin(), wheels.end(), 0ns)), 70);
        QCOMPARE(int(wheels.size()), speed ? 280 : 70);
        std::erase(wheels, 0ns);
        const auto total = std::accumulate(wheels.begin(), wheels.end(), 0ns);
        std::sort(wheels.begin(), wheels.end());
        QCOMPARE(delaysOf(wheels), pauses);
        QVERIFY(qAbs(total.count() - spinMs * 1'000'000LL) < 1000); // within a microsecond
        QCOMPARE(rig.game().spins, 1);
    }

    // The face follows the denomination: its coin, and the $5 slot shut on
    // the Two and Five Dollars machines; one coin per credit counted.
    void billsAtEachDenomination_data()
    {
        QTest::addColumn<float>("denomination");
        QTest::addColumn<int>("cents");
        QTest::addColumn<int>("bill");
        QTest::addColumn<int>("credits"); // -1: the slot is shut
        QTest::newRow("nickel, $100") << 20.0f << 5 << 100 << 2000;
        QTest::newRow("dollar, $10") << 1.0f << 100 << 10 << 10;
        QTest::newRow("two dollars, $5") << 0.5f << 200 << 5 << -1;
        QTest::newRow("five dollars, $10") << 0.2f << 500 << 10 << 2;
    }
    void billsAtEachDenomination()
    {
        QFETCH(float, denomination);
        QFETCH(int, cents);
        QFETCH(int, bill);
        QFETCH(int, credits);
        Rig rig;
        rig.setGame(0, denomination);
        QCOMPARE(rig.face.denominationShown(), cents);
        BillSlot* slot = rig.face.billSlot(bill);
        int coins = 0;
        rig.sound.onCall = [&](const FakeSoundOutput::Call& c) { coins += soundOf(c) == 2; };
        rig.click(slot);
        if (credits < 0) {
            QVERIFY(!slot->isEnabled());
            QVERIFY(!slot->isTransparent());
            rig.player.insertBill(5); // as F5 would: nothing
            QVERIFY(rig.player.isIdle());
            QCOMPARE(rig.game().credits, 0);
            rig.click(rig.face.billSlot(10));
            QVERIFY(!slot->isEnabled()); // stays shut after another bill
            return;
        }
        QCOMPARE(rig.game().credits, credits);
        QCOMPARE(coins, credits);
        // One step a credit, each due when the coin before it has sounded.
        QCOMPARE(delaysOf(rig.timer.delays), QStringLiteral("100.000ms x%1").arg(credits));
        QCOMPARE(rig.face.creditsLabel()->text(), QStringLiteral(" %1").arg(credits));
        QVERIFY(rig.face.billSlot(5)->isEnabled() == (denomination >= 1.0f));
    }

    // The wheels' sound loops for the spin; played to its end it would stall
    // every spin. Without a sound the steps wait for nothing.
    void soundSwitches_data()
    {
        QTest::addColumn<QString>("off"); // Sound, WheelSound, CoinSound, or the device
        QTest::addColumn<QString>("heard"); // a $5 bill, then Play 1 and its win
        QTest::newRow("all on") << "" << "coin x6, wheel loop, coin x2";
        QTest::newRow("master off") << "Sound" << "";
        QTest::newRow("wheel off") << "WheelSound" << "coin x8";
        QTest::newRow("coin off") << "CoinSound" << "wheel loop";
        QTest::newRow("no device") << "device" << "";
    }
    void soundSwitches()
    {
        QFETCH(QString, off);
        QFETCH(QString, heard);
        Rig rig;
        GameOptions o = rig.machine.options();
        o.sound = off != "Sound";
        o.wheelSound = off != "WheelSound";
        o.coinSound = off != "CoinSound";
        rig.setOptions(o);
        rig.sound.devices = off != "device";
        rig.click(rig.face.billSlot(5));
        rig.click(rig.face.playButton(1));
        QCOMPARE(rig.heard(false), heard);
        QCOMPARE(rig.sound.calls.empty(), heard.isEmpty());
        const auto coinWaits = std::count(rig.timer.delays.begin(), rig.timer.delays.end(), 100ms);
        QCOMPARE(int(coinWaits), heard.contains("coin") ? 8 : 0);
    }

    // An ending met in the middle of an operation finishes it at once: the
    // remaining steps without pauses or sounds, then the booking; the game
    // is the one the operation would have left.
    void finishAtOnce_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("stepsPlayed");
        QTest::newRow("a bill, counting") << "bill" << 30;
        QTest::newRow("a spin, taking the bet") << "spin" << 1;
        QTest::newRow("a spin, wheels turning") << "spin" << 200;
        QTest::newRow("a spin, paying") << "spin" << 430;
        QTest::newRow("a spin, its last step shown, not yet booked") << "spin" << -1;
    }
    void finishAtOnce()
    {
        QFETCH(QString, operation);
        QFETCH(int, stepsPlayed);
        QString played;
        int steps = 0;
        for (bool atOnce : {false, true}) {
            FastRandom emblems(ThreeEmblemsSeed);
            Rig rig(&emblems);
            rig.useFantasyWheels();
            rig.setGame(10, 20.0f);
            if (operation == "bill")
                rig.player.insertBill(10);
            else
                rig.player.play(2);
            if (!atOnce) {
                steps = rig.timer.runAll();
                played = rig.state();
                continue;
            }
            for (int i = 0; i < (stepsPlayed < 0 ? steps - 1 : stepsPlayed); ++i)
                QVERIFY(rig.timer.fire());
            QVERIFY(rig.timer.pending());
            const std::size_t heardBefore = rig.sound.calls.size();
            rig.player.finishAtOnce();
            QVERIFY(!rig.timer.pending());
            QVERIFY(rig.player.isIdle());
            QVERIFY(!rig.everythingLocked());
            QCOMPARE(rig.state(), played);
            // Silence, and nothing more.
            QCOMPARE(int(rig.sound.calls.size()), int(heardBefore) + 1);
            QCOMPARE(rig.sound.calls.back().kind, FakeSoundOutput::Kind::Stop);
            rig.player.finishAtOnce(); // idle: nothing
            QCOMPARE(rig.state(), played);
        }
    }

    void failedSpinUnlocksTheMachine()
    {
        FailingRandom broken;
        Rig rig(&broken);
        rig.setGame(5);
        rig.click(rig.face.playButton(1));
        QCOMPARE(rig.prompter.messages.size(), 1);
        QCOMPARE(rig.prompter.messages[0].title, QString("Error Spinning Wheels"));
        QVERIFY(rig.player.isIdle());
        QVERIFY(!rig.everythingLocked());
        QCOMPARE(rig.game().credits, 4); // the credit taken stays taken
        QCOMPARE(rig.game().spins, 1);   // and the spin is still booked
    }
};

QTEST_MAIN(TestMachineOperator)
#include "tst_machineoperator.moc"

#include "fakes/PlayRig.h"

using namespace strhaven;

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
            if (face.playButton(bet)->isEnabled() || face.playButton(bet)->picture() != ImageButton::Picture::Disabled)
                return false;
        for (int bill : MachineFace::Bills)
            if (face.billSlot(bill)->isEnabled())
                return false;
        return !face.cashOutButton()->isEnabled() && face.cashOutButton()->picture() == ImageButton::Picture::Disabled;
    }
};

} // namespace

// What the operator adds to the machine's rules: the clicks it takes, the
// lock, the displays, sounds and pauses of each step, and the booking at
// the very end.
class TestMachineOperator : public QObject {
    Q_OBJECT
private slots:
    // A bill, then Play Max with three credits: each coin moves a credit to
    // BET; the machine stays locked and the spin unbooked until it is over.
    void billThenPlayMax()
    {
        Rig rig;
        QStringList seen;
        QString wonWhileTurning;
        int checks = 0;
        rig.sound.onCall = [&](const FakeSoundOutput::Call& c) {
            ++checks;
            QVERIFY(rig.everythingLocked());
            if (soundOf(c) == 2 && seen.size() < 3)
                seen << QString("%1/%2").arg(rig.game().credits).arg(rig.face.playedLabel()->text());
        };
        rig.pacer.onPause = [&] {
            ++checks;
            QVERIFY(rig.everythingLocked());
            QCOMPARE(rig.game().spins, 0);
            if (wonWhileTurning.isEmpty())
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
        rig.click(rig.face.playButton(3));
        QCOMPARE(wonWhileTurning, QString("0"));
        QCOMPARE(atWake, QString("1 3 1"));
        QCOMPARE(seen, QStringList({"2/1", "1/2", "0/3"}));
        QVERIFY(checks > 210);
        QVERIFY(!rig.everythingLocked());
        QCOMPARE(rig.face.wonLabel()->text(), QString::fromStdString(rig.game().wonShown));
        QCOMPARE(rig.face.creditsLabel()->text(), QStringLiteral(" %1").arg(rig.game().credits));
        QCOMPARE(int(rig.pacer.pauses.size()), 210);
        // Events ran after each sound (5 coins of the bill, 3 of the bet, the wheels, the win) and each new symbol, and at the end.
        QCOMPARE(rig.pacer.yields, 5 + 3 + 1 + 70 + std::stoi(rig.game().wonShown) + 1);
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
    }

    // Only a plain left click presses a button or takes a bill.
    void onlyPlainLeftClicksCount_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("left") << int(Qt::LeftButton) << 0;
        QTest::newRow("right") << int(Qt::RightButton) << 0;
        QTest::newRow("shift") << int(Qt::LeftButton) << int(Qt::ShiftModifier);
        QTest::newRow("ctrl") << int(Qt::LeftButton) << int(Qt::ControlModifier);
        QTest::newRow("alt") << int(Qt::LeftButton) << int(Qt::AltModifier);
    }
    void onlyPlainLeftClicksCount()
    {
        QFETCH(int, button);
        QFETCH(int, modifiers);
        const bool counts = button == Qt::LeftButton && !modifiers;
        const auto mods = Qt::KeyboardModifiers(modifiers);
        Rig rig;
        auto* play = rig.face.playButton(2);
        QTest::mousePress(play, Qt::MouseButton(button), mods, QPoint(5, 5));
        QCOMPARE(play->picture(), counts ? ImageButton::Picture::Pressed : ImageButton::Picture::Normal);
        QTest::mouseRelease(play, Qt::MouseButton(button), mods, QPoint(5, 5));
        QCOMPARE(play->picture(), ImageButton::Picture::Normal);
        QCOMPARE(rig.prompter.messages.size(), counts ? 1 : 0); // no credits yet
        rig.click(rig.face.billSlot(10), Qt::MouseButton(button), mods);
        QCOMPARE(rig.game().amountInserted, counts ? 10 : 0);
    }

    // Each paid credit: WON counts up, the coin sounds, then CREDITS shows
    // it; a jackpot sounds before and after the count.
    void payout_data()
    {
        QTest::addColumn<int>("bet");
        QTest::addColumn<QString>("outcome"); // WON/CREDITS at the first two coins paid | heard from the wheels' stop
        QTest::newRow("1 credit") << 1 << "1/9 2/10|stop, coin x1500, stop";
        QTest::newRow("3 credits: the jackpot") << 3 << "1/7 2/8|stop, jackpot, coin x5000, jackpot, stop";
    }
    void payout()
    {
        QFETCH(int, bet);
        QFETCH(QString, outcome);
        FastRandom emblems(ThreeEmblemsSeed);
        Rig fantasy(&emblems);
        GameOptions o = fantasy.machine.options();
        o.payout = PayoutMode::Fantasy;
        o.wheelSound = 0;
        fantasy.setOptions(o);
        fantasy.setGame(10);
        QStringList seen;
        bool turning = true;
        fantasy.sound.onCall = [&](const FakeSoundOutput::Call& c) {
            if (soundOf(c) == 2 && !turning && seen.size() < 2)
                seen << fantasy.face.wonLabel()->text() + '/' + fantasy.face.creditsLabel()->text().trimmed();
        };
        int moves = 0;
        fantasy.pacer.onPause = [&] { turning = ++moves < 210; };
        fantasy.click(fantasy.face.playButton(bet));
        fantasy.sound.calls.erase(fantasy.sound.calls.begin(), fantasy.sound.calls.begin() + bet + 1); // the bet, the wheels' start
        QCOMPARE(seen.join(' ') + '|' + fantasy.heard(), outcome);
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
            QCOMPARE(rig.game().credits, 0);
            rig.click(rig.face.billSlot(10));
            QVERIFY(!slot->isEnabled()); // stays shut after another bill
            return;
        }
        QCOMPARE(rig.game().credits, credits);
        QCOMPARE(coins, credits);
        QCOMPARE(rig.face.creditsLabel()->text(), QStringLiteral(" %1").arg(credits));
        QVERIFY(rig.face.billSlot(5)->isEnabled() == (denomination >= 1.0f));
    }

    // The wheels' sound loops for the spin; played to its end it would stall
    // every spin.
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
    }

    void failedSpinUnlocksTheMachine()
    {
        FailingRandom broken;
        Rig rig(&broken);
        rig.setGame(5);
        rig.click(rig.face.playButton(1));
        QCOMPARE(rig.prompter.messages.size(), 1);
        QCOMPARE(rig.prompter.messages[0].title, QString("Error Spinning Wheels"));
        QVERIFY(rig.face.isIdle());
        QVERIFY(!rig.everythingLocked());
        QCOMPARE(rig.game().credits, 4); // the credit taken stays taken
        QCOMPARE(rig.game().spins, 1);   // and the spin is still booked
    }
};

QTEST_MAIN(TestMachineOperator)
#include "tst_machineoperator.moc"

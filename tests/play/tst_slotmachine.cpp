#include "fakes/WindowRig.h"

using namespace strhaven;

namespace {

// A random source that fails, as a broken generator would.
class FailingRandom final : public RandomSource {
public:
    int nextStop() override { throw std::runtime_error("no randomness"); }
};

struct Rig : WindowRig {
    explicit Rig(RandomSource* rng = nullptr)
    {
        start(QString(), rng);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    bool everythingLocked()
    {
        for (int bet = 1; bet <= 3; ++bet)
            if (face().playButton(bet)->isEnabled() ||
                face().playButton(bet)->picture() != ImageButton::Picture::Disabled)
                return false;
        for (int bill : MachineFace::Bills)
            if (face().billSlot(bill)->isEnabled())
                return false;
        return !face().cashOutButton()->isEnabled() &&
               face().cashOutButton()->picture() == ImageButton::Picture::Disabled &&
               !form->gameMenu()->menuAction()->isEnabled() && !form->helpMenu()->menuAction()->isEnabled();
    }
};

ReelGrid threeEmblems()
{
    ReelGrid g;
    for (int i = 0; i < 9; ++i)
        g.set(i, i >= 3 && i < 6 ? Symbol::Emblem : Symbol::Blank);
    return g;
}

} // namespace

class TestSlotMachine : public QObject {
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
            if (Rig::soundOf(c) == 2 && seen.size() < 3)
                seen << QString("%1/%2").arg(rig.game().Credits).arg(rig.face().playedLabel()->text());
        };
        rig.pacer.onPause = [&] {
            ++checks;
            QVERIFY(rig.everythingLocked());
            QCOMPARE(rig.game().Spins, 0);
            QCOMPARE(rig.game().CreditsPlayed, 0);
            if (wonWhileTurning.isEmpty())
                wonWhileTurning = rig.face().wonLabel()->text() + '/' + QString::fromStdString(rig.game().Won);
        };
        rig.click(rig.face().billSlot(5));
        QVERIFY(!rig.everythingLocked());
        rig.setCredits(3);
        seen.clear();
        wonWhileTurning.clear();
        // The last spin's win is cleared when the next one starts.
        rig.game().Won = "1500";
        rig.face().setWonText("1500", false);
        // A menu command fired the moment the menu wakes must find the spin
        // booked, never half done.
        QString atWake;
        QAction* newGame = rig.gameAction("&New Game");
        connect(newGame, &QAction::changed, this, [&] {
            if (newGame->isEnabled() && atWake.isEmpty())
                atWake = QString("%1 %2 %3").arg(rig.game().Spins).arg(rig.game().CreditsPlayed).arg(rig.game().GameChanged);
        });
        rig.click(rig.face().playButton(3));
        QCOMPARE(wonWhileTurning, QString("0/0"));
        QCOMPARE(atWake, QString("1 3 1"));
        QCOMPARE(seen, QStringList({"2/1", "1/2", "0/3"}));
        QVERIFY(checks > 210);
        QVERIFY(!rig.everythingLocked());
        QCOMPARE(rig.game().Credits, std::stoi(rig.game().Won));
        QCOMPARE(int(rig.pacer.pauses.size()), 210);
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
        rig.setCredits(credits);
        rig.click(rig.face().playButton(bet));
        QCOMPARE(rig.prompter.texts(), QStringList{text});
        QCOMPARE(rig.game().Credits, credits);
        QCOMPARE(rig.game().Spins, 0);
        QCOMPARE(rig.face().playButton(bet)->picture(), ImageButton::Picture::Normal);
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
        auto* play = rig.face().playButton(2);
        QTest::mousePress(play, Qt::MouseButton(button), mods, QPoint(5, 5));
        QCOMPARE(play->picture(), counts ? ImageButton::Picture::Pressed : ImageButton::Picture::Normal);
        QTest::mouseRelease(play, Qt::MouseButton(button), mods, QPoint(5, 5));
        QCOMPARE(play->picture(), ImageButton::Picture::Normal);
        QCOMPARE(rig.prompter.messages.size(), counts ? 1 : 0); // no credits yet
        rig.click(rig.face().billSlot(10), Qt::MouseButton(button), mods);
        QCOMPARE(rig.game().AmountInserted, counts ? 10 : 0);
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
        rig.form->options().WheelSpeed = speed;
        rig.setCredits(1);
        rig.click(rig.face().playButton(1));
        QStringList units;
        for (int u : rig.pacer.pauses)
            units << QString::number(u);
        QCOMPARE(counted(units), pauses);
    }

    // Each paid credit: WON counts up, the coin sounds, then CREDITS shows
    // it; a jackpot sounds before and after the count; CREDITS stops at the cap.
    void payout_data()
    {
        QTest::addColumn<int>("bet");
        QTest::addColumn<int>("credits");
        QTest::addColumn<QString>("outcome"); // WON/CREDITS at the first two coins | heard | credits, credits won
        QTest::newRow("1 credit") << 1 << 0 << "1/0 2/1|coin x1500, stop|1500 1500";
        QTest::newRow("2 credits") << 2 << 0 << "1/0 2/1|coin x3000, stop|3000 3000";
        QTest::newRow("3 credits: the jackpot") << 3 << 0 << "1/0 2/1|jackpot, coin x5000, jackpot, stop|5000 5000";
        QTest::newRow("at the cap") << 1 << 99999 << "1/99999 2/100000|coin x1500, stop|100000 1500";
    }
    void payout()
    {
        QFETCH(int, bet);
        QFETCH(int, credits);
        QFETCH(QString, outcome);
        Rig rig;
        rig.setCredits(credits);
        rig.game().Grid = threeEmblems();
        QStringList seen;
        rig.sound.onCall = [&](const FakeSoundOutput::Call& c) {
            if (Rig::soundOf(c) == 2 && seen.size() < 2)
                seen << rig.face().wonLabel()->text() + '/' + rig.face().creditsLabel()->text().trimmed();
        };
        rig.form->machine().CalculateWinnings(bet);
        QCOMPARE(rig.face().wonLabel()->text(), QString::fromStdString(rig.game().Won));
        QCOMPARE(QStringList({seen.join(' '), rig.heard(), QString("%1 %2").arg(rig.game().Credits).arg(rig.game().CreditsWon)})
                     .join('|'), outcome);
    }

    void billsAtEachDenomination_data()
    {
        QTest::addColumn<float>("machine");
        QTest::addColumn<int>("cents");
        QTest::addColumn<int>("bill");
        QTest::addColumn<int>("credits"); // -1: the slot is shut
        QTest::newRow("nickel, $100") << 20.0f << 5 << 100 << 2000;
        QTest::newRow("quarter, $20") << 4.0f << 25 << 20 << 80;
        QTest::newRow("dollar, $10") << 1.0f << 100 << 10 << 10;
        QTest::newRow("two dollars, $5") << 0.5f << 200 << 5 << -1;
        QTest::newRow("two dollars, $50") << 0.5f << 200 << 50 << 25;
        QTest::newRow("five dollars, $5") << 0.2f << 500 << 5 << -1;
        QTest::newRow("five dollars, $10") << 0.2f << 500 << 10 << 2;
    }
    void billsAtEachDenomination()
    {
        QFETCH(float, machine);
        QFETCH(int, cents);
        QFETCH(int, bill);
        QFETCH(int, credits);
        Rig rig;
        rig.form->options().Machine = machine;
        rig.form->machine().showMachine();
        QCOMPARE(rig.face().denominationShown(), cents);
        BillSlot* slot = rig.face().billSlot(bill);
        int coins = 0;
        rig.sound.onCall = [&](const FakeSoundOutput::Call& c) { coins += Rig::soundOf(c) == 2; };
        rig.click(slot);
        if (credits < 0) {
            QVERIFY(!slot->isEnabled());
            QVERIFY(!slot->isTransparent());
            QCOMPARE(rig.game().Credits, 0);
            rig.click(rig.face().billSlot(10));
            QVERIFY(!slot->isEnabled()); // stays shut after another bill
            return;
        }
        QCOMPARE(rig.game().Credits, credits);
        QCOMPARE(coins, credits); // one coin per credit
        QCOMPARE(rig.game().AmountInserted, bill);
        QVERIFY(rig.face().billSlot(5)->isEnabled() == (machine >= 1.0f));
    }

    void billsStopAtTheCap()
    {
        Rig rig;
        rig.setCredits(99990);
        rig.click(rig.face().billSlot(20));
        QCOMPARE(rig.game().Credits, 100000);
        QCOMPARE(rig.game().AmountInserted, 20);
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
        auto& o = rig.form->options();
        o.Sound = off != "Sound";
        o.WheelSound = off != "WheelSound";
        o.CoinSound = off != "CoinSound";
        rig.sound.devices = off != "device";
        rig.click(rig.face().billSlot(5));
        rig.click(rig.face().playButton(1));
        QCOMPARE(rig.heard(false), heard);
        QCOMPARE(rig.sound.calls.empty(), heard.isEmpty());
    }

    void failedSpinUnlocksTheMachine()
    {
        FailingRandom broken;
        Rig rig(&broken);
        rig.setCredits(5);
        rig.click(rig.face().playButton(1));
        QCOMPARE(rig.prompter.messages.size(), 1);
        QCOMPARE(rig.prompter.messages[0].title, QString("Error Spinning Wheels"));
        QVERIFY(rig.face().isIdle());
        QVERIFY(!rig.everythingLocked());
        QCOMPARE(rig.game().Credits, 4); // the credit taken stays taken
        QCOMPARE(rig.game().Spins, 1);   // and the spin is still booked
    }

    void closingDuringASpinWaitsForTheEnd()
    {
        Rig rig;
        rig.setCredits(1);
        rig.prompter.answers.push_back(Prompter::Answer::No); // do not save the changed game
        bool asked = false;
        rig.pacer.onPause = [&] {
            if (!asked) {
                asked = true;
                rig.form->close();
                QVERIFY(rig.form->isVisible());
            }
        };
        rig.click(rig.face().playButton(1));
        QCOMPARE(rig.game().Spins, 1);
        QCOMPARE(rig.game().Credits, std::stoi(rig.game().Won));
        QTRY_VERIFY(!rig.form->isVisible());
    }
};

QTEST_MAIN(TestSlotMachine)
#include "tst_slotmachine.moc"

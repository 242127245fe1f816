#include "FormRig.h"

#include <map>

using namespace strhaven;

namespace {

// A random source that fails, as a broken generator would.
class FailingRandom final : public RandomSource {
public:
    int nextStop() override { throw std::runtime_error("no randomness"); }
};

struct Rig : FormRig {
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
        };
        rig.click(rig.face().billSlot(5));
        QVERIFY(!rig.everythingLocked());
        rig.setCredits(3);
        seen.clear();
        // The last spin's win is cleared when the next one starts.
        rig.game().Won = "1500";
        rig.face().setWonText("1500", false);
        QString wonWhileTurning;
        rig.pacer.onPause = [&, checkLocked = rig.pacer.onPause] {
            checkLocked();
            if (wonWhileTurning.isEmpty())
                wonWhileTurning = rig.face().wonLabel()->text() + '/' + QString::fromStdString(rig.game().Won);
        };
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
        QCOMPARE(rig.game().Spins, 1);
        QCOMPARE(rig.game().CreditsPlayed, 3);
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

    void onlyPlainLeftClicksCount_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("right") << int(Qt::RightButton) << 0;
        QTest::newRow("shift") << int(Qt::LeftButton) << int(Qt::ShiftModifier);
        QTest::newRow("ctrl") << int(Qt::LeftButton) << int(Qt::ControlModifier);
        QTest::newRow("alt") << int(Qt::LeftButton) << int(Qt::AltModifier);
    }
    void onlyPlainLeftClicksCount()
    {
        QFETCH(int, button);
        QFETCH(int, modifiers);
        Rig rig;
        rig.setCredits(5);
        auto* play = rig.face().playButton(1);
        QTest::mousePress(play, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), QPoint(5, 5));
        QCOMPARE(play->picture(), ImageButton::Picture::Normal);
        QTest::mouseRelease(play, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), QPoint(5, 5));
        rig.click(rig.face().billSlot(10), Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(rig.game().Credits, 5);
        QCOMPARE(rig.game().Spins, 0);
        QCOMPARE(rig.game().AmountInserted, 0);
    }

    void pressShowsThePressedPicture()
    {
        Rig rig;
        auto* play = rig.face().playButton(2);
        QTest::mousePress(play, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(play->picture(), ImageButton::Picture::Pressed);
        QTest::mouseRelease(play, Qt::LeftButton, {}, QPoint(5, 5)); // no credits: back to normal
        QCOMPARE(play->picture(), ImageButton::Picture::Normal);
    }

    // The pauses of a spin follow the wheel speed: 135 of d1, 60 of d2 and
    // 15 of d3, with d1 = speed x 100000, d2 = 1.5 d1, d3 = 2 d2.
    void pausesFollowTheWheelSpeed_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("pauses");
        QTest::newRow("0") << 0 << "0x210";
        QTest::newRow("1") << 1 << "100000x135 150000x60 300000x15";
        QTest::newRow("7") << 7 << "700000x135 1050000x60 2100000x15";
    }
    void pausesFollowTheWheelSpeed()
    {
        QFETCH(int, speed);
        QFETCH(QString, pauses);
        Rig rig;
        rig.form->options().WheelSpeed = speed;
        rig.setCredits(1);
        rig.click(rig.face().playButton(1));
        std::map<int, int> counted;
        for (int units : rig.pacer.pauses)
            ++counted[units];
        QStringList seen;
        for (auto [units, n] : counted)
            seen << QString("%1x%2").arg(units).arg(n);
        QCOMPARE(seen.join(' '), pauses);
    }

    // Each paid credit: WON counts up, the coin sounds, then CREDITS shows it.
    void payoutCountsCoinBeforeCredits()
    {
        Rig rig;
        rig.game().Grid = threeEmblems();
        QStringList seen;
        rig.sound.onCall = [&](const FakeSoundOutput::Call& c) {
            if (Rig::soundOf(c) == 2 && seen.size() < 2)
                seen << rig.face().wonLabel()->text() + '/' + rig.face().creditsLabel()->text().trimmed();
        };
        rig.form->machine().CalculateWinnings(1);
        QCOMPARE(seen, QStringList({"1/0", "2/1"}));
    }

    void billsAtEachDenomination_data()
    {
        QTest::addColumn<float>("machine");
        QTest::addColumn<int>("cents");
        QTest::addColumn<int>("bill");
        QTest::addColumn<int>("credits"); // -1: the slot is shut
        struct Row {
            float machine;
            int cents;
            QList<int> credits; // for $5, $10, $20, $50, $100
        };
        const Row table[]{{20.0f, 5, {100, 200, 400, 1000, 2000}}, {10.0f, 10, {50, 100, 200, 500, 1000}},
                          {4.0f, 25, {20, 40, 80, 200, 400}},     {2.0f, 50, {10, 20, 40, 100, 200}},
                          {1.0f, 100, {5, 10, 20, 50, 100}},      {0.5f, 200, {-1, 5, 10, 25, 50}},
                          {0.2f, 500, {-1, 2, 4, 10, 20}}};
        for (const Row& r : table)
            for (int i = 0; i < 5; ++i)
                QTest::addRow("%d cents, $%d", r.cents, MachineFace::Bills[i]) << r.machine << r.cents << MachineFace::Bills[i] << r.credits[i];
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

    void countersStopAtTheCap()
    {
        Rig rig;
        rig.setCredits(99990);
        rig.click(rig.face().billSlot(20));
        QCOMPARE(rig.game().Credits, 100000);
        QCOMPARE(rig.game().AmountInserted, 20);

        rig.setCredits(99999);
        rig.game().Grid = threeEmblems();
        rig.form->machine().CalculateWinnings(1);
        QCOMPARE(rig.game().Credits, 100000);
        QCOMPARE(QString::fromStdString(rig.game().Won), QString("1500"));
        QCOMPARE(rig.face().wonLabel()->text(), QString("1500"));
        QCOMPARE(rig.game().CreditsWon, 1500);
    }

    void jackpotSoundAroundTheCount_data()
    {
        QTest::addColumn<int>("bet");
        QTest::addColumn<int>("win");
        QTest::addColumn<bool>("jackpot");
        QTest::newRow("3 credits") << 3 << 5000 << true;
        QTest::newRow("2 credits") << 2 << 3000 << false;
    }
    void jackpotSoundAroundTheCount()
    {
        QFETCH(int, bet);
        QFETCH(int, win);
        QFETCH(bool, jackpot);
        Rig rig;
        rig.game().Grid = threeEmblems();
        rig.form->machine().CalculateWinnings(bet);
        std::vector<int> order;
        for (const auto& c : rig.sound.calls)
            order.push_back(c.kind == FakeSoundOutput::Kind::Stop ? 0 : Rig::soundOf(c));
        QCOMPARE(rig.plays(2), win);
        QCOMPARE(rig.plays(3), jackpot ? 2 : 0);
        if (jackpot) {
            QCOMPARE(order.front(), 3);
            QCOMPARE(order[order.size() - 2], 3);
        }
        QCOMPARE(order.back(), 0); // the count ends with a stop
    }

    void soundSwitches_data()
    {
        QTest::addColumn<int>("sound");
        QTest::addColumn<int>("wheel");
        QTest::addColumn<int>("coin");
        QTest::addColumn<int>("devices");
        QTest::addColumn<bool>("wheelHeard");
        QTest::addColumn<bool>("coinsHeard");
        QTest::newRow("all on") << 1 << 1 << 1 << 1 << true << true;
        QTest::newRow("master off") << 0 << 1 << 1 << 1 << false << false;
        QTest::newRow("wheel off") << 1 << 0 << 1 << 1 << false << true;
        QTest::newRow("coin off") << 1 << 1 << 0 << 1 << true << false;
        QTest::newRow("no device") << 1 << 1 << 1 << 0 << false << false;
    }
    void soundSwitches()
    {
        QFETCH(int, sound);
        QFETCH(int, wheel);
        QFETCH(int, coin);
        QFETCH(int, devices);
        QFETCH(bool, wheelHeard);
        QFETCH(bool, coinsHeard);
        Rig rig;
        auto& o = rig.form->options();
        o.Sound = sound;
        o.WheelSound = wheel;
        o.CoinSound = coin;
        rig.sound.devices = devices;
        rig.click(rig.face().billSlot(5));
        rig.click(rig.face().playButton(1));
        QCOMPARE(rig.plays(1) == 1, wheelHeard);
        for (const auto& c : rig.sound.calls)
            if (Rig::soundOf(c) == 1) // the wheel sound loops; played to its end it would stall every spin
                QCOMPARE(c.kind, FakeSoundOutput::Kind::Looping);
        QCOMPARE(rig.plays(2) >= 6, coinsHeard);
        QCOMPARE(rig.plays(2) == 0, !coinsHeard);
        if (devices == 0)
            QVERIFY(rig.sound.calls.empty());
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

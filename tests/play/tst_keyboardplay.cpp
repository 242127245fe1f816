#include "FormRig.h"

#include <QApplication>

using namespace strhaven;

namespace {

struct Rig : FormRig {
    Rig()
    {
        set("CashOut/CashOut", "New");
        set("CashOut/ShowStats", "0");
        start();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false)
    {
        // Sent to a control of the window, not the window: keys reach the game
        // whatever has the focus.
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(face().playedLabel(), &event);
    }
};

} // namespace

class TestKeyboardPlay : public QObject {
    Q_OBJECT
private slots:
    // Each key with each modifier: what its press shows, and what its
    // release did (credits, credits played, games started, help asked).
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<float>("machine");
        QTest::addColumn<QString>("outcome"); // picture while held | played | credits before any win | help
        const int none = 0, alt = Qt::AltModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("1") << int(Qt::Key_1) << none << false << 1.0f << "play1 pressed|1|";
        QTest::newRow("Alt+1") << int(Qt::Key_1) << alt << false << 1.0f << "play1 pressed|1|";
        QTest::newRow("Shift+1") << int(Qt::Key_1) << shift << false << 1.0f << "-|0|";
        QTest::newRow("Ctrl+1") << int(Qt::Key_1) << ctrl << false << 1.0f << "-|0|";
        QTest::newRow("Alt+Ctrl+1") << int(Qt::Key_1) << (alt | ctrl) << false << 1.0f << "-|0|";
        QTest::newRow("keypad 2") << int(Qt::Key_2) << keypad << false << 1.0f << "play2 pressed|2|";
        QTest::newRow("3") << int(Qt::Key_3) << none << false << 1.0f << "play3 pressed|3|";
        QTest::newRow("M") << int(Qt::Key_M) << none << false << 1.0f << "play3 pressed|3|";
        QTest::newRow("Alt+M") << int(Qt::Key_M) << alt << false << 1.0f << "play3 pressed|3|";
        QTest::newRow("Shift+M") << int(Qt::Key_M) << shift << false << 1.0f << "-|0|";
        QTest::newRow("1 while busy") << int(Qt::Key_1) << none << true << 1.0f << "-|0|";
        QTest::newRow("F1") << int(Qt::Key_F1) << none << false << 1.0f << "-|0|topic 20";
        QTest::newRow("Alt+F1") << int(Qt::Key_F1) << alt << false << 1.0f << "-|0|topic 20";
        QTest::newRow("F1 while busy") << int(Qt::Key_F1) << none << true << 1.0f << "-|0|";
        QTest::newRow("F5") << int(Qt::Key_F5) << none << false << 1.0f << "-|0|credits 15";
        QTest::newRow("F7 on a Dime machine") << int(Qt::Key_F7) << none << false << 10.0f << "-|0|credits 210";
        QTest::newRow("Alt+F9") << int(Qt::Key_F9) << alt << false << 1.0f << "-|0|credits 110";
        QTest::newRow("Ctrl+F9") << int(Qt::Key_F9) << ctrl << false << 1.0f << "-|0|";
        QTest::newRow("F5 on a Two Dollars machine") << int(Qt::Key_F5) << none << false << 0.5f << "-|0|";
        QTest::newRow("F9 while busy") << int(Qt::Key_F9) << none << true << 1.0f << "-|0|";
        QTest::newRow("C starts a new game") << int(Qt::Key_C) << none << false << 1.0f << "cash out pressed|0|credits 0";
        QTest::newRow("Shift+C") << int(Qt::Key_C) << shift << false << 1.0f << "-|0|";
        QTest::newRow("another key") << int(Qt::Key_Q) << none << false << 1.0f << "-|0|";
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, busy);
        QFETCH(float, machine);
        QFETCH(QString, outcome);
        Rig rig;
        rig.form->options().Machine = machine;
        rig.form->machine().showMachine();
        rig.setCredits(10);
        if (busy)
            rig.face().setLocked(true);
        const auto mods = Qt::KeyboardModifiers(modifiers);
        rig.send(QEvent::KeyPress, key, mods);
        QString held = "-";
        for (int bet = 1; bet <= 3; ++bet)
            if (rig.face().playButton(bet)->picture() == ImageButton::Picture::Pressed)
                held = QString("play%1 pressed").arg(bet);
        if (rig.face().cashOutButton()->picture() == ImageButton::Picture::Pressed)
            held = "cash out pressed";
        const int creditsBefore = rig.game().Credits;
        rig.send(QEvent::KeyRelease, key, mods);
        QString effect;
        for (const auto& c : rig.help.calls)
            if (c.kind == FakeHelpViewer::Kind::Topic)
                effect = QString("topic %1").arg(c.topic);
        if (rig.game().CreditsPlayed == 0 && rig.game().Credits != creditsBefore)
            effect = QString("credits %1").arg(rig.game().Credits);
        QCOMPARE(QString("%1|%2|%3").arg(held).arg(rig.game().CreditsPlayed).arg(effect), outcome);
        // The release shows the normal picture again (or, busy, leaves the disabled one).
        for (int bet = 1; bet <= 3; ++bet)
            QVERIFY(rig.face().playButton(bet)->picture() != ImageButton::Picture::Pressed);
    }

    // Holding a key repeats its press; only the real release acts, once.
    void autoRepeatActsOnce()
    {
        Rig rig;
        rig.setCredits(10);
        rig.send(QEvent::KeyPress, Qt::Key_1, {});
        for (int i = 0; i < 3; ++i) {
            rig.send(QEvent::KeyRelease, Qt::Key_1, {}, true);
            rig.send(QEvent::KeyPress, Qt::Key_1, {}, true);
        }
        QCOMPARE(rig.face().playButton(1)->picture(), ImageButton::Picture::Pressed);
        QCOMPARE(rig.game().Spins, 0);
        rig.send(QEvent::KeyRelease, Qt::Key_1, {});
        QCOMPARE(rig.game().Spins, 1);
    }

    // A key released in the middle of a spin is not a second spin.
    void keyDuringASpinDoesNothing()
    {
        Rig rig;
        rig.setCredits(10);
        bool pressed = false;
        rig.pacer.onPause = [&] {
            if (pressed)
                return;
            pressed = true;
            rig.send(QEvent::KeyPress, Qt::Key_3, {});
            rig.send(QEvent::KeyRelease, Qt::Key_3, {});
        };
        rig.send(QEvent::KeyPress, Qt::Key_3, {});
        rig.send(QEvent::KeyRelease, Qt::Key_3, {});
        QCOMPARE(rig.game().Spins, 1);
        QCOMPARE(rig.game().CreditsPlayed, 3);
    }
};

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"

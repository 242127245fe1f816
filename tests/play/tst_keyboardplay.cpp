#include "fakes/PlayRig.h"
#include "widgets/Announcer.h"
#include "play/KeyboardPlay.h"

#include <QKeyEvent>

using namespace strhaven;

namespace {

struct Rig : PlayRig {
    FakeHelpViewer help;
    FakeKeyboardState keyboard;
    int cashOuts = 0; // the Cash Out button's action, as the window would take it
    KeyboardPlay keys{{player, face, help, keyboard, &face, [this] { ++cashOuts; }}};

    // A key event, and the bill or spin it starts played to its end unless
    // the test plays it itself.
    bool playsOperations = true;
    void send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false, quint32 scan = 0,
              quint64 time = 0)
    {
        QKeyEvent event(type, key, modifiers, scan, 0, 0, QString(), autoRepeat);
        event.setTimestamp(time);
        keys.keyEvent(event);
        if (playsOperations)
            timer.runAll();
    }

    // A key pressed and let go, on a fresh machine with 10 credits: what its
    // press shows | credits played | credits before any win, or help asked.
    static QString keyStroke(int key, int modifiers, bool busy, float machine, quint32 scan = 0)
    {
        Rig rig;
        rig.setGame(10, machine);
        if (busy) { // in the middle of counting a bill
            rig.playsOperations = false;
            rig.player.insertBill(10);
        }
        const auto mods = Qt::KeyboardModifiers(modifiers);
        rig.send(QEvent::KeyPress, key, mods, false, scan);
        QString held = "-";
        for (int bet = 1; bet <= 3; ++bet)
            if (rig.face.playButton(bet)->picture() == ImageButton::Picture::Pressed)
                held = QString("play%1 pressed").arg(bet);
        if (rig.face.cashOutButton()->picture() == ImageButton::Picture::Pressed)
            held = "cash out pressed";
        const int creditsBefore = rig.game().credits;
        rig.send(QEvent::KeyRelease, key, mods, false, scan);
        QString effect;
        for (const auto& c : rig.help.calls)
            if (c.kind == FakeHelpViewer::Kind::Topic)
                effect = QString("topic %1").arg(c.topic);
        if (rig.game().creditsPlayed == 0 && rig.game().credits != creditsBefore)
            effect = QString("credits %1").arg(rig.game().credits);
        if (rig.cashOuts)
            effect = QString("cash out x%1").arg(rig.cashOuts);
        if (rig.face.findChild<Announcer*>()->text().contains("Pay line: "))
            effect = "read out";
        // The release shows the normal picture again (or, busy, leaves the disabled one).
        for (int bet = 1; bet <= 3; ++bet)
            if (rig.face.playButton(bet)->picture() == ImageButton::Picture::Pressed)
                return "still pressed";
        return QString("%1|%2|%3").arg(held).arg(rig.game().creditsPlayed).arg(effect);
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
        QTest::newRow("F2") << int(Qt::Key_F2) << none << false << 1.0f << "-|0|read out";
        QTest::newRow("F2 while busy") << int(Qt::Key_F2) << none << true << 1.0f << "-|0|read out";
        QTest::newRow("Ctrl+F2") << int(Qt::Key_F2) << ctrl << false << 1.0f << "-|0|";
        QTest::newRow("F5") << int(Qt::Key_F5) << none << false << 1.0f << "-|0|credits 15";
        QTest::newRow("F7 on a Dime machine") << int(Qt::Key_F7) << none << false << 10.0f << "-|0|credits 210";
        QTest::newRow("Alt+F9") << int(Qt::Key_F9) << alt << false << 1.0f << "-|0|credits 110";
        QTest::newRow("Ctrl+F9") << int(Qt::Key_F9) << ctrl << false << 1.0f << "-|0|";
        QTest::newRow("F5 on a Two Dollars machine") << int(Qt::Key_F5) << none << false << 0.5f << "-|0|";
        QTest::newRow("F9 while busy") << int(Qt::Key_F9) << none << true << 1.0f << "-|0|";
        QTest::newRow("C cashes out") << int(Qt::Key_C) << none << false << 1.0f << "cash out pressed|0|cash out x1";
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
        QCOMPARE(Rig::keyStroke(key, modifiers, busy, machine), outcome);
    }

#ifdef Q_OS_LINUX
    // The number row counts by its place (the X and Wayland key codes 10 to
    // 12), whatever a layout types there; letters and the keypad by the key
    // they are.
    void keysByPlace_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("scan");
        QTest::addColumn<QString>("outcome");
        const int none = 0, alt = Qt::AltModifier, shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
        QTest::newRow("French 1 key, typing &") << int(Qt::Key_Ampersand) << none << 10 << "play1 pressed|1|";
        QTest::newRow("French 2 key, typing é") << int(Qt::Key_Eacute) << none << 11 << "play2 pressed|2|";
        QTest::newRow("French Alt+3 key, typing \"") << int(Qt::Key_QuoteDbl) << alt << 12 << "play3 pressed|3|";
        QTest::newRow("French Shift+1 key, typing 1") << int(Qt::Key_1) << shift << 10 << "-|0|";
        QTest::newRow("German 2 key") << int(Qt::Key_2) << none << 11 << "play2 pressed|2|";
        QTest::newRow("French M, right of L") << int(Qt::Key_M) << none << 47 << "play3 pressed|3|";
        QTest::newRow("French comma, where English has M") << int(Qt::Key_Comma) << none << 58 << "-|0|";
        QTest::newRow("keypad 1, Num Lock on") << int(Qt::Key_1) << keypad << 87 << "play1 pressed|1|";
        QTest::newRow("keypad 1, Num Lock off") << int(Qt::Key_End) << keypad << 87 << "-|0|";
    }
    void keysByPlace()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, scan);
        QFETCH(QString, outcome);
        QCOMPARE(Rig::keyStroke(key, modifiers, false, 1.0f, quint32(scan)), outcome);
    }

    // A held key under X: the display repeats it as release and press pairs,
    // and while the game is busy they come without the repeat mark. Only
    // the real release acts, once; where the display cannot say whether a
    // key is down, a press at the very time of a release is a repeat too.
    void heldKeyActsOnce_data()
    {
        QTest::addColumn<bool>("displayKnows");
        QTest::newRow("the display tells a held key") << true;
        QTest::newRow("repeats told by their time") << false;
    }
    void heldKeyActsOnce()
    {
        QFETCH(bool, displayKnows);
        Rig rig;
        rig.setGame(10);
        const quint32 one = 10;
        rig.send(QEvent::KeyPress, Qt::Key_1, {}, false, one, 100);
        if (displayKnows)
            rig.keyboard.down.insert(one);
        for (quint64 time = 600; time < 900; time += 30) {
            rig.send(QEvent::KeyRelease, Qt::Key_1, {}, false, one, time);
            rig.send(QEvent::KeyPress, Qt::Key_1, {}, false, one, time);
        }
        QCOMPARE(rig.game().spins, displayKnows ? 0 : 1);
        QCOMPARE(rig.face.playButton(1)->picture(), ImageButton::Picture::Pressed);
        rig.keyboard.down.clear();
        rig.send(QEvent::KeyRelease, Qt::Key_1, {}, false, one, 950);
        QCOMPARE(rig.game().spins, 1);
        QCOMPARE(rig.face.playButton(1)->picture(), ImageButton::Picture::Normal);
    }
#endif

    // Holding a key repeats its press; only the real release acts, once.
    void autoRepeatActsOnce()
    {
        Rig rig;
        rig.setGame(10);
        rig.send(QEvent::KeyPress, Qt::Key_1, {});
        for (int i = 0; i < 3; ++i) {
            rig.send(QEvent::KeyRelease, Qt::Key_1, {}, true);
            rig.send(QEvent::KeyPress, Qt::Key_1, {}, true);
        }
        QCOMPARE(rig.face.playButton(1)->picture(), ImageButton::Picture::Pressed);
        QCOMPARE(rig.game().spins, 0);
        rig.send(QEvent::KeyRelease, Qt::Key_1, {});
        QCOMPARE(rig.game().spins, 1);
    }

    // A key pressed in the middle of a spin is not a second spin, whether
    // it is let go during the spin or after it.
    void keyDuringASpinDoesNothing_data()
    {
        QTest::addColumn<bool>("releasedAfter");
        QTest::newRow("let go during the spin") << false;
        QTest::newRow("let go after it") << true;
    }
    void keyDuringASpinDoesNothing()
    {
        QFETCH(bool, releasedAfter);
        Rig rig;
        rig.setGame(10);
        rig.playsOperations = false;
        rig.send(QEvent::KeyPress, Qt::Key_3, {});
        rig.send(QEvent::KeyRelease, Qt::Key_3, {});
        for (int step = 0; step < 20; ++step)
            rig.timer.fire();
        rig.send(QEvent::KeyPress, Qt::Key_2, {});
        if (!releasedAfter)
            rig.send(QEvent::KeyRelease, Qt::Key_2, {});
        rig.timer.runAll();
        if (releasedAfter)
            rig.send(QEvent::KeyRelease, Qt::Key_2, {});
        rig.timer.runAll();
        QCOMPARE(rig.game().spins, 1);
        QCOMPARE(rig.game().creditsPlayed, 3);
    }
};

QTEST_MAIN(TestKeyboardPlay)
#include "tst_keyboardplay.moc"

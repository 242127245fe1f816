#pragma once

#include <QObject>

#include <functional>
#include <map>

class QKeyEvent;
class QWidget;

namespace strhaven {

class HelpViewer;
class KeyboardState;
class MachineFace;
class MachineOperator;

// Playing from the keyboard: 1, 2, 3 (keypad too) and M bet and spin, C
// cashes out, F5 to F9 insert bills, F1 opens help, F2 reads the displays
// and the pay line aloud. A key shows the button
// it stands for pressed while it is held and acts once, on its release,
// exactly as a click would. The number row counts by its place on the
// keyboard, so that it bets on every layout (the key of 1 types & on a French
// one); letters and the keypad count by the key they are, so Caps Lock and
// the letter case do not matter and the M key is M wherever a layout puts
// it. Alt may be held, Shift and Ctrl may not. Nothing happens while the
// machine is busy.
class KeyboardPlay {
public:
    static constexpr int ReadOutKey = Qt::Key_F2;

    struct Parts {
        MachineOperator& machine;
        MachineFace& face;
        HelpViewer& help;
        KeyboardState& keyboard;
        QWidget* window; // owner of the help
        std::function<void()> cashOut; // the Cash Out button's action
    };
    explicit KeyboardPlay(Parts parts);

    // True when the key is one of the game's (and so taken from the window).
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers);
    bool keyReleased(int key, Qt::KeyboardModifiers modifiers);

    // A key event of the toolkit: which game key it is, and whether it is a
    // press or the one real release of a key pressed while the machine was
    // idle.
    bool keyEvent(const QKeyEvent& event);

    // The game key of a key event (Qt::Key_1 for the number row's first key
    // on any layout), or the event's own key.
    static int gameKey(const QKeyEvent& event);

private:
    bool allowed(Qt::KeyboardModifiers modifiers) const;
    bool isGameKey(int key) const;

    Parts m_p;
    // The keys pressed while the machine was idle and not yet let go, by
    // their place on the keyboard (or their key where the platform gives no
    // place), with the time of their last release seen.
    struct Held {
        bool down = false;
        quint64 releasedAt = 0;
    };
    std::map<quint64, Held> m_keys;
};

} // namespace strhaven

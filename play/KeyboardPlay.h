#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace strhaven {

class HelpViewer;
class MachineFace;
class SlotMachine;

// Playing from the keyboard: 1, 2, 3 (keypad too) and M bet and spin, C
// cashes out, F5 to F9 insert bills, F1 opens help. A key shows the button
// it stands for pressed while it is held and acts once, on its release,
// exactly as a click would. Keys are taken by key, not by character, so Caps
// Lock and the letter case do not matter; Alt may be held, Shift and Ctrl
// may not. Nothing happens while the machine is busy.
class KeyboardPlay {
public:
    struct Parts {
        SlotMachine& machine;
        MachineFace& face;
        HelpViewer& help;
        QWidget* window; // owner of the help
        std::function<void(int button, int shift)> cashOutMouseUp;
    };
    explicit KeyboardPlay(Parts parts);

    // True when the key is one of the game's (and so taken from the window).
    bool Form_KeyDown(int key, int shift, bool autoRepeat);
    bool Form_KeyUp(int key, int shift, bool autoRepeat);

    // The same for a key event of the toolkit.
    bool keyEvent(const QKeyEvent& event);

private:
    bool allowed(int shift) const;
    Parts m_p;
};

} // namespace strhaven

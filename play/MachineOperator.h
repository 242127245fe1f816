#pragma once

#include "core/Machine.h"
#include "play/MachineFace.h"

#include <QObject>

namespace strhaven {

class Pacer;
class Prompter;
class SoundPlayer;

// Operates the machine for the player: takes the face's clicks, asks the
// machine for the operation they stand for and shows its steps on the face,
// a credit, a coin and a symbol at a time, with their sounds and pauses.
// Each operation runs to its end inside its handler with the machine
// locked; window events run only after each sound, after each new symbol
// and at the end of a spin, and only then is the spin booked.
class MachineOperator : public QObject {
    Q_OBJECT
public:
    struct Parts {
        Machine& machine;
        SoundPlayer& sound;
        Pacer& pacer;
        Prompter& prompter;
    };

    MachineOperator(Parts parts, MachineFace& face, QObject* parent = nullptr);

    bool isIdle() const { return m_face.isIdle(); }
    // True from the start of a bill or a spin until it is booked, a little
    // longer than the machine is locked.
    bool isBusy() const { return m_depth > 0; }

    // A bill counted onto the machine (nothing when it takes no such bill).
    void insertBill(int dollars);
    // Play 1 to Play Max let go: the bet spun, or why it cannot be.
    void playReleased(int bet, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void playPressed(int bet, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void billReleased(int dollars, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

    // The machine's credits, displays, symbols and denomination on the face.
    void showGame();
    void showCredits(bool repaintNow);
    // The denomination picture and the $5 slot.
    void showMachine();

signals:
    // The machine locks and unlocks; the window enables its menus with it.
    void busyChanged(bool busy);
    // The outermost operation has been booked; a close put off meanwhile may run.
    void operationFinished();

private:
    class Busy;
    class Operation;
    void lock();
    void unlock();
    void playCoin();
    void coinMoved();
    void spin(int bet);
    void show(const MachineStep& step);

    Parts m_p;
    MachineFace& m_face;
    int m_depth = 0;
    int m_locks = 0;
};

// Only the left button counts, with no Shift, Ctrl or Alt held.
bool isPlainLeftClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

} // namespace strhaven

#pragma once

#include "core/GameOptions.h"
#include "play/MachineFace.h"
#include "core/PayTable.h"
#include "core/RandomSource.h"
#include "core/SlotGame.h"
#include "core/WheelStrip.h"

#include <QObject>

namespace strhaven {

class Pacer;
class Prompter;
class SoundPlayer;

// The machine's operations on the face: counting a bill onto the machine,
// the play buttons, the spin and the payout. Each runs to its end inside
// its handler with the machine locked; window events run only after each
// sound, after each new symbol and at the end of a spin.
class SlotMachine : public QObject {
    Q_OBJECT
public:
    struct Parts {
        SlotGame& game;
        GameOptions& options;
        WheelStrip& strip;
        const PayTable& payTable;
        RandomSource& random;
        SoundPlayer& sound;
        Pacer& pacer;
        Prompter& prompter;
    };

    SlotMachine(Parts parts, MachineFace& face, QObject* parent = nullptr);

    bool isIdle() const { return m_face.isIdle(); }
    // True from the start of a bill, a play or a spin until its handler has
    // booked everything, a little longer than the machine is locked.
    bool isBusy() const { return m_depth > 0; }

    void InsertBills(int amount);
    void SpinWheels(int bet);
    void CalculateWinnings(int bet);

    void imgPlay_MouseDown(int index, int button, int shift);
    void imgPlay_MouseUp(int index, int button, int shift);
    void lblInsBill_MouseUp(int index, int button, int shift);

    // Puts the game's credits, displays, grid and denomination on the face.
    void showGame();
    void showCredits(bool repaintNow);
    // The denomination picture and the $5 slot for Machine.
    void showMachine();

signals:
    // The machine locks and unlocks; the window enables its menus with it.
    void busyChanged(bool busy);
    // The outermost operation has ended; a close put off meanwhile may run.
    void operationFinished();

private:
    class Busy;
    class Operation;
    void lock();
    void unlock();
    void addCredit(int delta);
    void playCoin();

    Parts m_p;
    MachineFace& m_face;
    int m_depth = 0;
    int m_locks = 0;
};

} // namespace strhaven

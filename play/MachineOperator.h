#pragma once

#include "core/Machine.h"
#include "play/MachineFace.h"
#include "widgets/OverrideCursor.h"

#include <QObject>

#include <chrono>
#include <optional>
#include <variant>

namespace strhaven {

class Prompter;
class SoundPlayer;
class StepTimer;

// Operates the machine for the player: takes the face's clicks, asks the
// machine for the operation they stand for and shows its steps on the face,
// a credit, a coin and a symbol at a time, with their sounds and pauses.
//
// An operation is played from the event loop: each step is taken when it
// is due (after its pause, or when the sound before it has ended), shown,
// and the next one asked of the step timer; in between, the window repaints
// and answers as at any other time. The machine is locked meanwhile, and
// the operation is booked only once its last step has been shown and
// painted. Whatever must end the run meanwhile finishes the operation at
// once first (finishAtOnce).
class MachineOperator : public QObject {
    Q_OBJECT
public:
    struct Parts {
        Machine& machine;
        SoundPlayer& sound;
        StepTimer& timer;
        Prompter& prompter;
    };

    MachineOperator(Parts parts, MachineFace& face, QObject* parent = nullptr);
    ~MachineOperator() override;

    // No bill, spin or payout in flight.
    bool isIdle() const { return !m_operation; }

    // A bill counted onto the machine (nothing when it takes no such bill,
    // or while it is busy).
    void insertBill(int dollars);
    // Play 1 to Play Max let go: the bet spun, or why it cannot be; nothing
    // while the machine is busy.
    void play(int bet);

    // The operation in flight, if any, done now: its remaining steps shown
    // without pauses or sounds, then booked, and the machine idle again.
    void finishAtOnce();

    // The machine's credits, displays, symbols and denomination on the face.
    void showGame();
    // What the displays and the pay line show, in words: "Credits 20".
    QString creditsText() const;
    // All of them, as a key reads them out at any time.
    QString displaysText() const;
    void showCredits(bool repaintNow);
    // The denomination picture and the $5 slot.
    void showMachine();

signals:
    // The machine locks at the start of an operation and unlocks once it has
    // been booked; the window enables its menus with it.
    void busyChanged(bool busy);

private:
    using Operation = std::variant<BillCount, Spin>;
    enum class Pace { Played, AtOnce };

    void begin(Operation operation);
    void takeSteps();
    void end(Pace pace);
    // What a spin came to, in words, as a screen reader hears it.
    QString spinOutcome(const Spin& spin) const;
    std::optional<MachineStep> nextStep();
    // Shows a step; returns how long until the next one is due, or nothing
    // when it is due at once, with nothing for the event loop to paint.
    std::optional<std::chrono::nanoseconds> show(const MachineStep& step, Pace pace);
    // A coin taken or paid: its sound, after which the credits it leaves
    // show; returns the sound's length.
    std::chrono::nanoseconds coinMoved(Pace pace);

    Parts m_p;
    MachineFace& m_face;
    std::optional<Operation> m_operation;
    std::optional<OverrideCursor> m_hourglass;
    bool m_creditsLeftToShow = false; // a coin's credits show when its sound ends
};

// The real time of a pause of so many units: wheel speed 5 gives a spin of
// about three seconds (270 x 500000 units).
constexpr std::chrono::nanoseconds pauseTime(std::int32_t units)
{
    return std::chrono::nanoseconds(static_cast<std::int64_t>(units) * 3'000'000'000LL / (270LL * 500'000LL));
}

} // namespace strhaven

#include "play/MachineOperator.h"

#include "play/SoundPlayer.h"
#include "seams/AppTitle.h"
#include "seams/ErrorReport.h"
#include "seams/Pacer.h"
#include "seams/Prompter.h"
#include "widgets/OverrideCursor.h"

namespace strhaven {

// Locks the machine for the lifetime of an operation and unlocks it again
// however the operation ends, so a failure never leaves it dead.
class MachineOperator::Busy {
public:
    explicit Busy(MachineOperator& m) : m_m(m) { m_m.lock(); }
    ~Busy() { m_m.unlock(); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    MachineOperator& m_m;
};

// Counts the operations that are running, so that the window knows when the
// last one has been booked.
class MachineOperator::Operation {
public:
    explicit Operation(MachineOperator& m) : m_m(m) { ++m_m.m_depth; }
    ~Operation()
    {
        if (--m_m.m_depth == 0)
            emit m_m.operationFinished();
    }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

private:
    MachineOperator& m_m;
};

bool isPlainLeftClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    return button == Qt::LeftButton && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

MachineOperator::MachineOperator(Parts parts, MachineFace& face, QObject* parent)
    : QObject(parent)
    , m_p(parts)
    , m_face(face)
{
    connect(&m_face, &MachineFace::playPressed, this, &MachineOperator::playPressed);
    connect(&m_face, &MachineFace::playReleased, this, &MachineOperator::playReleased);
    connect(&m_face, &MachineFace::billReleased, this, &MachineOperator::billReleased);
}

// Locks nest: a play locks around its spin and the booking, so that the
// menus and keys wake only after the spin has been booked, never between.
void MachineOperator::lock()
{
    if (m_locks++ > 0)
        return;
    emit busyChanged(true);
    m_face.setLocked(true);
}

void MachineOperator::unlock()
{
    if (--m_locks > 0)
        return;
    m_face.setLocked(false);
    emit busyChanged(false);
}

void MachineOperator::showCredits(bool repaintNow)
{
    m_face.setCreditsText(QStringLiteral(" %1").arg(m_p.machine.game().credits), repaintNow);
}

void MachineOperator::showMachine()
{
    const float machine = m_p.machine.options().machine;
    m_face.setDenomination(coinCents(machine));
    m_face.setFiveDollarSlotShut(!m_p.machine.takesBill(5));
}

void MachineOperator::showGame()
{
    const SlotGame& game = m_p.machine.game();
    showCredits(false);
    m_face.setWonText(QString::fromStdString(game.wonShown), false);
    m_face.setPlayedText(QString::fromStdString(game.playedShown), false);
    m_face.showGrid(game.grid);
    m_face.announceDisplays();
    m_face.announcePayLine();
}

void MachineOperator::playCoin()
{
    if (m_p.machine.options().coinSoundOn())
        m_p.sound.playToEnd(Sound::Coin);
}

// A coin taken or paid: its sound, then the credits it leaves.
void MachineOperator::coinMoved()
{
    playCoin();
    showCredits(true);
}

void MachineOperator::insertBill(int dollars)
{
    if (!m_p.machine.takesBill(dollars))
        return;
    Operation operation(*this);
    OverrideCursor cursor(Qt::WaitCursor);
    Busy busy(*this);
    BillCount count = m_p.machine.insertBill(dollars);
    while (const auto step = count.next())
        show(*step);
    m_p.sound.stop();
    count.finish();
    m_face.announceDisplays();
}

void MachineOperator::billReleased(int dollars, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (isPlainLeftClick(button, modifiers))
        insertBill(dollars);
}

void MachineOperator::playPressed(int bet, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (isPlainLeftClick(button, modifiers))
        m_face.showButtonPicture(bet, ImageButton::Picture::Pressed);
}

void MachineOperator::playReleased(int bet, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (!isIdle() || !isPlainLeftClick(button, modifiers))
        return;
    m_face.showButtonPicture(bet, ImageButton::Picture::Normal);
    if (const auto refusal = m_p.machine.refusal(bet)) {
        const QString text = *refusal == Machine::Refusal::NoCredits
                                 ? tr("You need to Insert Bills first.")
                                 : tr("You need to Insert Bills or play fewer credits this spin.");
        m_p.prompter.message(m_face.window(), Prompter::Icon::Information, Prompter::Buttons::Ok, ApplicationTitle(), text);
        return;
    }
    Operation operation(*this);
    OverrideCursor cursor(Qt::WaitCursor);
    Busy busy(*this);
    spin(bet);
}

void MachineOperator::spin(int bet)
{
    Spin spin = m_p.machine.play(bet);
    try {
        while (const auto step = spin.next())
            show(*step);
    } catch (const std::exception& e) {
        // The machine is unlocked again by Busy; the credits taken stay
        // taken and the spin is booked as played.
        m_p.sound.stop();
        ShowError(m_p.prompter, m_face.window(), e,
                  spin.paying() ? tr("Error Calculating Winnings") : tr("Error Spinning Wheels"));
    }
    m_p.pacer.letEventsRun();
    spin.finish();
}

void MachineOperator::show(const MachineStep& step)
{
    const GameOptions& options = m_p.machine.options();
    switch (step.kind) {
    case MachineStep::Kind::CreditCounted:
        showCredits(true);
        playCoin();
        break;
    case MachineStep::Kind::DisplaysReset:
        m_face.setWonText(QStringLiteral("0"), false);
        m_face.setPlayedText(QStringLiteral("0"), false);
        break;
    case MachineStep::Kind::CoinTaken:
        m_face.setPlayedText(QString::fromStdString(step.shown), true);
        coinMoved();
        break;
    case MachineStep::Kind::WheelsStarted:
        m_face.announceDisplays();
        m_p.sound.stop();
        if (options.wheelSoundOn())
            m_p.sound.playLooping(Sound::Wheel);
        break;
    case MachineStep::Kind::Pause: m_p.pacer.pause(step.units); break;
    case MachineStep::Kind::SymbolMoved:
        m_face.showPosition(m_p.machine.game().grid, step.position);
        if (step.fresh)
            m_p.pacer.letEventsRun();
        break;
    case MachineStep::Kind::WheelsStopped:
        m_p.sound.stop();
        // Wheels that stop where they stood still tell the player the result.
        m_face.announcePayLine(MachineFace::Announce::Always);
        break;
    case MachineStep::Kind::Jackpot:
        if (options.jackPotSoundOn())
            m_p.sound.playToEnd(Sound::Jackpot);
        break;
    case MachineStep::Kind::CoinPaid:
        m_face.setWonText(QString::fromStdString(step.shown), true);
        coinMoved();
        break;
    case MachineStep::Kind::PayoutEnded:
        m_p.sound.stop();
        m_face.announceDisplays();
        break;
    }
}

} // namespace strhaven

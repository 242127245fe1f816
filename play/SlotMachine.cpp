#include "play/SlotMachine.h"

#include "seams/AppTitle.h"
#include "core/Denomination.h"
#include "seams/ErrorReport.h"
#include "widgets/WaitCursor.h"
#include "seams/Pacer.h"
#include "seams/Prompter.h"
#include "play/SoundPlayer.h"
#include "core/SpinSequence.h"

namespace strhaven {

// Locks the machine for the lifetime of an operation and unlocks it again
// however the operation ends, so a failure never leaves it dead.
class SlotMachine::Busy {
public:
    explicit Busy(SlotMachine& m) : m_m(m) { m_m.lock(); }
    ~Busy() { m_m.unlock(); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    SlotMachine& m_m;
};

// Counts the handlers that are running, so that the window knows when the
// last one has finished its bookkeeping.
class SlotMachine::Operation {
public:
    explicit Operation(SlotMachine& m) : m_m(m) { ++m_m.m_depth; }
    ~Operation()
    {
        if (--m_m.m_depth == 0)
            emit m_m.operationFinished();
    }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

private:
    SlotMachine& m_m;
};

SlotMachine::SlotMachine(Parts parts, MachineFace& face, QObject* parent)
    : QObject(parent), m_p(parts), m_face(face)
{
    connect(&m_face, &MachineFace::playMouseDown, this, &SlotMachine::imgPlay_MouseDown);
    connect(&m_face, &MachineFace::playMouseUp, this, &SlotMachine::imgPlay_MouseUp);
    connect(&m_face, &MachineFace::billMouseUp, this, &SlotMachine::lblInsBill_MouseUp);
}

// Locks nest: a play locks around its spin so that the menus and keys wake
// only after the spin has been booked, never between the two.
void SlotMachine::lock()
{
    if (m_locks++ > 0)
        return;
    emit busyChanged(true);
    m_face.setLocked(true);
}

void SlotMachine::unlock()
{
    if (--m_locks > 0)
        return;
    m_face.setLocked(false);
    emit busyChanged(false);
}

void SlotMachine::showCredits(bool repaintNow)
{
    m_face.setCreditsText(QStringLiteral(" %1").arg(m_p.game.Credits), repaintNow);
}

void SlotMachine::showMachine()
{
    m_face.setDenomination(coinCents(m_p.options.Machine));
    m_face.setFiveDollarSlotShut(fiveDollarSlotShut(m_p.options.Machine));
}

void SlotMachine::showGame()
{
    showCredits(false);
    m_face.setWonText(QString::fromStdString(m_p.game.Won), false);
    m_face.setPlayedText(QString::fromStdString(m_p.game.Played), false);
    m_face.showGrid(m_p.game.Grid);
}

void SlotMachine::playCoin()
{
    if (m_p.options.coinSoundOn())
        m_p.sound.PlayWave(SoundPlayer::CoinWave, SoundPlayer::PlayToEnd);
}

void SlotMachine::InsertBills(int amount)
{
    Operation operation(*this);
    WaitCursor cursor;
    Busy busy(*this);
    const std::int32_t credits = billCredits(amount, m_p.options.Machine);
    for (std::int32_t i = 0; i < credits; ++i) {
        addCapped(m_p.game.Credits, 1);
        showCredits(true);
        playCoin();
    }
    m_p.sound.StopWave();
    addCapped(m_p.game.AmountInserted, amount);
    m_p.game.GameChanged = true;
}

void SlotMachine::lblInsBill_MouseUp(int index, int button, int shift)
{
    if (button == 1 && shift == 0)
        InsertBills(index);
}

void SlotMachine::imgPlay_MouseDown(int index, int button, int shift)
{
    if (button == 1 && shift == 0)
        m_face.showButtonPicture(index, ImageButton::Picture::Pressed);
}

void SlotMachine::imgPlay_MouseUp(int index, int button, int shift)
{
    if (!isIdle() || button != 1 || shift != 0)
        return;
    m_face.showButtonPicture(index, ImageButton::Picture::Normal);
    if (m_p.game.Credits < index) {
        const QString text = m_p.game.Credits < 1 ? tr("You need to Insert Bills first.")
                                                   : tr("You need to Insert Bills or play fewer credits this spin.");
        m_p.prompter.message(m_face.window(), Prompter::Icon::Information, Prompter::Buttons::Ok, ApplicationTitle(), text);
        return;
    }
    Operation operation(*this);
    WaitCursor cursor;
    Busy busy(*this);
    SpinWheels(index);
    addCapped(m_p.game.CreditsPlayed, index);
    addCapped(m_p.game.Spins, 1);
    m_p.game.GameChanged = true;
}

void SlotMachine::SpinWheels(int bet)
{
    Operation operation(*this);
    try {
        Busy busy(*this);
        m_p.game.Won = "0";
        m_p.game.Played = "0";
        m_face.setWonText(QStringLiteral("0"), false);
        m_face.setPlayedText(QStringLiteral("0"), false);
        for (int i = 0; i < bet; ++i) {
            m_p.game.Credits -= 1;
            m_p.game.Played = advancedDisplay(m_p.game.Played);
            m_face.setPlayedText(QString::fromStdString(m_p.game.Played), true);
            playCoin();
            showCredits(true);
        }
        m_p.sound.StopWave();
        if (m_p.options.wheelSoundOn())
            m_p.sound.PlayWave(SoundPlayer::WheelWave, SoundPlayer::PlayLooping);

        ReelGrid& grid = m_p.game.Grid;
        const StopSets sets(m_p.strip);
        for (const SpinStep& step : spinSteps()) {
            m_p.pacer.pause(pauseUnits(step.phase, m_p.options.WheelSpeed));
            applyStep(step, grid, sets, m_p.random);
            if (step.kind == SpinStep::Kind::Copy) {
                m_face.showPosition(grid, step.to);
            } else {
                m_face.showPosition(grid, ReelGrid::position(step.from, 0));
                m_p.pacer.letEventsRun();
            }
        }
        m_p.sound.StopWave();
        CalculateWinnings(bet);
    } catch (const std::exception& e) {
        // The machine is unlocked again by Busy; the credits taken stay taken.
        m_p.sound.StopWave();
        ShowError(m_p.prompter, m_face.window(), e, tr("Error Spinning Wheels"));
    }
    m_p.pacer.letEventsRun();
}

void SlotMachine::CalculateWinnings(int bet)
{
    try {
        const Evaluation result = evaluate(m_p.game.Grid, m_p.payTable, bet);
        const bool jackpotSound = m_p.options.jackPotSoundOn() && result.win == JackpotWin;
        if (jackpotSound)
            m_p.sound.PlayWave(SoundPlayer::JackpotWave, SoundPlayer::PlayToEnd);
        for (int i = 0; i < result.win; ++i) {
            m_p.game.Credits += 1;
            m_p.game.Won = advancedDisplay(m_p.game.Won);
            m_face.setWonText(QString::fromStdString(m_p.game.Won), true);
            playCoin();
            if (m_p.game.Credits > CounterCap)
                m_p.game.Credits = CounterCap;
            showCredits(true);
        }
        if (jackpotSound)
            m_p.sound.PlayWave(SoundPlayer::JackpotWave, SoundPlayer::PlayToEnd);
        m_p.sound.StopWave();
        addCapped(m_p.game.CreditsWon, result.win);
    } catch (const std::exception& e) {
        ShowError(m_p.prompter, m_face.window(), e, tr("Error Calculating Winnings"));
    }
}

} // namespace strhaven

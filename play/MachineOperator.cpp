#include "play/MachineOperator.h"

#include "play/SoundPlayer.h"
#include "seams/AppTitle.h"
#include "seams/ErrorReport.h"
#include "seams/Prompter.h"
#include "seams/StepTimer.h"

namespace strhaven {

using std::chrono::nanoseconds;

MachineOperator::MachineOperator(Parts parts, MachineFace& face, QObject* parent)
    : QObject(parent)
    , m_p(parts)
    , m_face(face)
{
    connect(&m_face, &MachineFace::playClicked, this, &MachineOperator::play);
    connect(&m_face, &MachineFace::billClicked, this, &MachineOperator::insertBill);
}

// A step still pending would call into an operator that is gone.
MachineOperator::~MachineOperator() { m_p.timer.stop(); }

QString MachineOperator::creditsText() const { return tr("Credits %1").arg(m_p.machine.game().credits); }

QString MachineOperator::spinOutcome(const Spin& spin) const
{
    const QString line = m_face.payLineText();
    if (spin.win() == 0)
        return tr("%1: won nothing. Credits %2.").arg(line).arg(m_p.machine.game().credits);
    return tr("%1: %2, won %3. Credits %4.")
        .arg(line, MachineFace::payRowName(spin.combination()))
        .arg(spin.win())
        .arg(m_p.machine.game().credits);
}

QString MachineOperator::displaysText() const
{
    const SlotGame& game = m_p.machine.game();
    return tr("Credits %1, won %2, bet %3. Pay line: %4.")
        .arg(game.credits)
        .arg(QString::fromStdString(game.wonShown), QString::fromStdString(game.playedShown), m_face.payLineText());
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

void MachineOperator::insertBill(int dollars)
{
    if (isIdle() && m_p.machine.takesBill(dollars))
        begin(m_p.machine.insertBill(dollars));
}

void MachineOperator::play(int bet)
{
    if (!isIdle())
        return;
    if (const auto refusal = m_p.machine.refusal(bet)) {
        const QString text = *refusal == Machine::Refusal::NoCredits
                                 ? tr("You need to Insert Bills first.")
                                 : tr("You need to Insert Bills or play fewer credits this spin.");
        m_p.prompter.message(m_face.window(), Prompter::Icon::Information, Prompter::Buttons::Ok, ApplicationTitle(), text);
        return;
    }
    begin(m_p.machine.play(bet));
}

void MachineOperator::begin(Operation operation)
{
    m_operation.emplace(std::move(operation));
    m_hourglass.emplace(Qt::WaitCursor);
    emit busyChanged(true);
    m_face.setLocked(true);
    // The first step shows at once, as the click's own answer.
    takeSteps();
}

std::optional<MachineStep> MachineOperator::nextStep()
{
    return std::visit([](auto& operation) { return operation.next(); }, *m_operation);
}

// Runs when a step is due: it is shown, and the next one is asked of the
// timer (or taken at once, see show()). A failing random source fails the
// spin: what was taken stays taken, the spin is booked as played, and the
// failure is reported once the machine is idle again.
void MachineOperator::takeSteps()
{
    if (std::exchange(m_creditsLeftToShow, false))
        showCredits(true);
    for (;;) {
        std::optional<MachineStep> step;
        try {
            step = nextStep();
        } catch (const std::exception& e) {
            const QString title = std::get<Spin>(*m_operation).paying() ? tr("Error Calculating Winnings")
                                                                        : tr("Error Spinning Wheels");
            m_p.sound.stop();
            end(Pace::AtOnce);
            ShowError(m_p.prompter, m_face.window(), e, title);
            return;
        }
        if (!step) {
            end(Pace::Played);
            return;
        }
        if (const std::optional<nanoseconds> wait = show(*step, Pace::Played)) {
            m_p.timer.start(*wait, [this] { takeSteps(); });
            return;
        }
    }
}

void MachineOperator::finishAtOnce()
{
    if (isIdle())
        return;
    m_p.timer.stop();
    m_p.sound.stop();
    if (std::exchange(m_creditsLeftToShow, false))
        showCredits(false);
    try {
        while (const auto step = nextStep())
            show(*step, Pace::AtOnce);
    } catch (const std::exception&) {
        // Nobody is left to tell: what was taken stays taken, as when the
        // spin fails in play.
    }
    showGame();
    end(Pace::AtOnce);
}

// The operation's last step has been shown: it is booked, and only then
// does the machine wake.
void MachineOperator::end(Pace pace)
{
    // A spin's payout has silenced its own last coin already, and an
    // operation finished at once every sound.
    if (pace == Pace::Played && std::holds_alternative<BillCount>(*m_operation))
        m_p.sound.stop();
    std::visit([](auto& operation) { operation.finish(); }, *m_operation);
    // Heard once, when all is counted: never credit by credit.
    const QString outcome = std::holds_alternative<Spin>(*m_operation)
                                ? spinOutcome(std::get<Spin>(*m_operation))
                                : creditsText();
    m_operation.reset();
    m_face.setLocked(false);
    m_hourglass.reset();
    emit busyChanged(false);
    m_face.announceDisplays();
    m_face.announce(outcome);
}

nanoseconds MachineOperator::coinMoved(Pace pace)
{
    const nanoseconds sound =
        pace == Pace::Played && m_p.machine.options().coinSoundOn() ? m_p.sound.play(Sound::Coin) : nanoseconds(0);
    if (sound > nanoseconds(0))
        m_creditsLeftToShow = true;
    else
        showCredits(pace == Pace::Played);
    return sound;
}

// A step that shows something waits at least for the event loop to paint
// it, so that the wheels' pauses start once the new symbol is on the
// screen; one that waits for nothing and shows nothing (a move within a
// frame, a pause at wheel speed 0) is followed by the next at once.
std::optional<nanoseconds> MachineOperator::show(const MachineStep& step, Pace pace)
{
    const GameOptions& options = m_p.machine.options();
    const bool played = pace == Pace::Played;
    switch (step.kind) {
    case MachineStep::Kind::CreditCounted:
        showCredits(played);
        if (played && options.coinSoundOn())
            return m_p.sound.play(Sound::Coin);
        return nanoseconds(0);
    case MachineStep::Kind::DisplaysReset:
        m_face.setWonText(QStringLiteral("0"), false);
        m_face.setPlayedText(QStringLiteral("0"), false);
        return nanoseconds(0);
    case MachineStep::Kind::CoinTaken:
        m_face.setPlayedText(QString::fromStdString(step.shown), played);
        return coinMoved(pace);
    case MachineStep::Kind::WheelsStarted:
        m_face.announceDisplays();
        if (played) {
            m_p.sound.stop();
            if (options.wheelSoundOn())
                m_p.sound.playLooping(Sound::Wheel);
        }
        break;
    case MachineStep::Kind::Pause:
        if (played && step.units > 0)
            return pauseTime(step.units);
        break;
    case MachineStep::Kind::SymbolMoved:
        // The wheels show a frame's moves together, as each new symbol
        // enters: never a symbol moved down before the one above it has.
        if (step.fresh) {
            m_face.showGrid(m_p.machine.game().grid);
            return nanoseconds(0);
        }
        break;
    case MachineStep::Kind::WheelsStopped:
        if (played)
            m_p.sound.stop();
        // Wheels that stop where they stood still tell the player the result.
        m_face.announcePayLine(MachineFace::Announce::Always);
        break;
    case MachineStep::Kind::Jackpot:
        if (played && options.jackPotSoundOn())
            return m_p.sound.play(Sound::Jackpot);
        break;
    case MachineStep::Kind::CoinPaid:
        m_face.setWonText(QString::fromStdString(step.shown), played);
        return coinMoved(pace);
    case MachineStep::Kind::PayoutEnded:
        if (played)
            m_p.sound.stop();
        // What the spin came to is heard before the spin is booked.
        m_face.announceDisplays();
        return nanoseconds(0);
    }
    return std::nullopt;
}

} // namespace strhaven

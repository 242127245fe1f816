#include "core/Machine.h"

#include "core/Denomination.h"
#include "core/SpinSequence.h"

namespace strhaven {

namespace {

MachineStep stepOf(MachineStep::Kind kind, std::int32_t credits, std::string shown = {})
{
    MachineStep step;
    step.kind = kind;
    step.credits = credits;
    step.shown = std::move(shown);
    return step;
}

} // namespace

Machine::Machine(RandomSource& random)
    : m_random(random)
    , m_payTable(BuildPayTable())
{
    SetPayout(m_strip, m_options.Payout);
}

bool Machine::takesBill(int dollars) const { return dollars != 5 || !fiveDollarSlotShut(m_options.Machine); }

BillCount Machine::insertBill(int dollars)
{
    if (!takesBill(dollars))
        return BillCount(*this, 0, 0);
    return BillCount(*this, dollars, billCredits(dollars, m_options.Machine));
}

std::optional<Machine::Refusal> Machine::refusal(int bet) const
{
    if (m_game.Credits >= bet)
        return std::nullopt;
    return m_game.Credits < 1 ? Refusal::NoCredits : Refusal::TooFewCredits;
}

Spin Machine::play(int bet) { return Spin(*this, bet); }

OptionsChange Machine::changeOptions(const GameOptions& chosen)
{
    const std::int32_t before = m_game.Credits;
    // Converted while Machine still holds the old denomination.
    m_game.Credits = convertedCredits(m_game.Credits, m_game.AmountInserted, m_options.Machine, chosen.Machine);
    takeGameOptions(chosen);
    m_options.LoadLastFile = chosen.LoadLastFile;
    m_game.GameChanged = true;
    return {m_game.Credits != before};
}

void Machine::changeCashOut(const std::string& cashOut, const std::string& showStats)
{
    m_options.CashOut = cashOut;
    m_options.ShowStats = showStats;
    m_game.GameChanged = true;
}

void Machine::startNewGame(const GameOptions& stored, const ReelGrid& wheel)
{
    m_options = stored;
    // A new game never starts on the Two or Five Dollars machine; a game
    // file may put it there.
    if (m_options.Machine < 1.0f)
        m_options.Machine = 1.0f;
    SetPayout(m_strip, m_options.Payout);
    m_game.resetCounters();
    m_game.GameChanged = false;
    m_game.Grid = wheel;
}

void Machine::takeGame(const GameOptions& carried, const SlotGame& game, bool changed)
{
    takeGameOptions(carried);
    m_game = game;
    m_game.GameChanged = changed;
}

void Machine::takeGameOptions(const GameOptions& from)
{
    m_options.WheelSpeed = from.WheelSpeed;
    m_options.Sound = from.Sound;
    m_options.WheelSound = from.WheelSound;
    m_options.CoinSound = from.CoinSound;
    m_options.JackPotSound = from.JackPotSound;
    m_options.Machine = from.Machine;
    m_options.Payout = from.Payout;
    SetPayout(m_strip, m_options.Payout);
}

BillCount::BillCount(Machine& machine, int dollars, std::int32_t credits)
    : m_machine(&machine)
    , m_dollars(dollars)
    , m_left(credits)
{
}

std::optional<MachineStep> BillCount::next()
{
    if (m_left <= 0)
        return std::nullopt;
    --m_left;
    SlotGame& game = m_machine->m_game;
    addCapped(game.Credits, 1);
    return stepOf(MachineStep::Kind::CreditCounted, game.Credits);
}

void BillCount::finish()
{
    if (m_finished || m_dollars == 0)
        return;
    m_finished = true;
    SlotGame& game = m_machine->m_game;
    addCapped(game.AmountInserted, m_dollars);
    game.GameChanged = true;
}

Spin::Spin(Machine& machine, int bet)
    : m_machine(&machine)
    , m_bet(bet)
    , m_sets(machine.m_strip)
{
}

std::optional<MachineStep> Spin::next()
{
    using Kind = MachineStep::Kind;
    SlotGame& game = m_machine->m_game;
    switch (m_stage) {
    case Stage::Reset:
        // Moved in, not copied from a literal: g++ 12 takes the copy for an
        // overlapping one and warns (its bug 105329).
        game.Won = std::string(1, '0');
        game.Played = std::string(1, '0');
        m_stage = Stage::Bet;
        return stepOf(Kind::DisplaysReset, game.Credits);
    case Stage::Bet:
        if (m_coins < m_bet) {
            ++m_coins;
            game.Credits -= 1;
            game.Played = advancedDisplay(game.Played);
            return stepOf(Kind::CoinTaken, game.Credits, game.Played);
        }
        m_stage = Stage::Turning;
        return stepOf(Kind::WheelsStarted, game.Credits);
    case Stage::Turning: {
        const SpinStep& step = spinSteps()[static_cast<std::size_t>(m_step)];
        if (!m_paused) {
            m_paused = true;
            MachineStep pause = stepOf(Kind::Pause, game.Credits);
            pause.units = pauseUnits(step.phase, m_machine->m_options.WheelSpeed);
            return pause;
        }
        applyStep(step, game.Grid, m_sets, m_machine->m_random);
        m_paused = false;
        if (++m_step == SpinStepCount)
            m_stage = Stage::Stop;
        MachineStep moved = stepOf(Kind::SymbolMoved, game.Credits);
        moved.fresh = step.kind == SpinStep::Kind::Next;
        moved.position = moved.fresh ? ReelGrid::position(step.from, 0) : step.to;
        return moved;
    }
    case Stage::Stop:
        m_stage = Stage::Payout;
        return stepOf(Kind::WheelsStopped, game.Credits);
    case Stage::Payout:
        if (!m_evaluated) { // what the pay line pays
            m_win = evaluate(game.Grid, m_machine->m_payTable, m_bet).win;
            m_evaluated = true;
            if (m_win == JackpotWin)
                return stepOf(Kind::Jackpot, game.Credits);
        }
        if (m_paid < m_win) {
            ++m_paid;
            game.Credits += 1;
            game.Won = advancedDisplay(game.Won);
            if (game.Credits > CounterCap)
                game.Credits = CounterCap;
            return stepOf(Kind::CoinPaid, game.Credits, game.Won);
        }
        m_stage = Stage::FanfareAfter;
        if (m_win == JackpotWin)
            return stepOf(Kind::Jackpot, game.Credits);
        [[fallthrough]];
    case Stage::FanfareAfter:
        m_stage = Stage::Done;
        addCapped(game.CreditsWon, m_win);
        return stepOf(Kind::PayoutEnded, game.Credits);
    case Stage::Done: break;
    }
    return std::nullopt;
}

void Spin::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    SlotGame& game = m_machine->m_game;
    addCapped(game.CreditsPlayed, m_bet);
    addCapped(game.Spins, 1);
    game.GameChanged = true;
}

} // namespace strhaven

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
    m_strip.fill(m_options.payout);
}

bool Machine::takesBill(int dollars) const { return dollars != 5 || !fiveDollarSlotShut(m_options.machine); }

BillCount Machine::insertBill(int dollars)
{
    if (!takesBill(dollars))
        return BillCount(*this, 0, 0);
    return BillCount(*this, dollars, billCredits(dollars, m_options.machine));
}

std::optional<Machine::Refusal> Machine::refusal(int bet) const
{
    if (m_game.credits >= bet)
        return std::nullopt;
    return m_game.credits < 1 ? Refusal::NoCredits : Refusal::TooFewCredits;
}

Spin Machine::play(int bet) { return Spin(*this, bet); }

OptionsChange Machine::changeOptions(const GameOptions& chosen)
{
    const std::int32_t before = m_game.credits;
    // Converted while Machine still holds the old denomination.
    const Credits converted = convertedCredits({m_game.credits, m_unshownCredits}, m_game.amountInserted,
                                               m_options.machine, chosen.machine);
    m_game.credits = converted.shown;
    m_unshownCredits = converted.unshown;
    takeGameOptions(chosen);
    m_options.loadLastFile = chosen.loadLastFile;
    m_game.changed = true;
    return {m_game.credits != before};
}

void Machine::changeCashOut(CashOutAction cashOut, bool showStats)
{
    m_options.cashOut = cashOut;
    m_options.showStats = showStats;
    m_game.changed = true;
}

void Machine::startNewGame(const GameOptions& stored, const ReelGrid& wheel)
{
    m_options = stored;
    // A new game never starts on the Two or Five Dollars machine; a game
    // file may put it there.
    if (m_options.machine < 1.0f)
        m_options.machine = 1.0f;
    m_strip.fill(m_options.payout);
    m_game.resetCounters();
    m_game.changed = false;
    m_game.grid = wheel;
    m_unshownCredits = 0.0;
}

void Machine::takeGame(const GameOptions& carried, const SlotGame& game, bool changed)
{
    takeGameOptions(carried);
    m_game = game;
    m_game.changed = changed;
    m_unshownCredits = 0.0;
}

void Machine::takeGameOptions(const GameOptions& from)
{
    m_options.wheelSpeed = from.wheelSpeed;
    m_options.sound = from.sound;
    m_options.wheelSound = from.wheelSound;
    m_options.coinSound = from.coinSound;
    m_options.jackPotSound = from.jackPotSound;
    m_options.machine = from.machine;
    m_options.payout = from.payout;
    m_strip.fill(m_options.payout);
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
    addCapped(game.credits, 1);
    return stepOf(MachineStep::Kind::CreditCounted, game.credits);
}

void BillCount::finish()
{
    if (m_finished || m_dollars == 0)
        return;
    m_finished = true;
    SlotGame& game = m_machine->m_game;
    addCapped(game.amountInserted, m_dollars);
    game.changed = true;
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
        game.wonShown = std::string(1, '0');
        game.playedShown = std::string(1, '0');
        m_stage = Stage::Bet;
        return stepOf(Kind::DisplaysReset, game.credits);
    case Stage::Bet:
        if (m_coins < m_bet) {
            ++m_coins;
            game.credits -= 1;
            game.playedShown = advancedDisplay(game.playedShown);
            return stepOf(Kind::CoinTaken, game.credits, game.playedShown);
        }
        m_stage = Stage::Turning;
        return stepOf(Kind::WheelsStarted, game.credits);
    case Stage::Turning: {
        const SpinStep& step = spinSteps()[static_cast<std::size_t>(m_step)];
        if (!m_paused) {
            m_paused = true;
            MachineStep pause = stepOf(Kind::Pause, game.credits);
            pause.units = pauseUnits(step.phase, m_machine->m_options.wheelSpeed);
            return pause;
        }
        applyStep(step, game.grid, m_sets, m_machine->m_random);
        m_paused = false;
        if (++m_step == SpinStepCount)
            m_stage = Stage::Stop;
        MachineStep moved = stepOf(Kind::SymbolMoved, game.credits);
        moved.fresh = step.kind == SpinStep::Kind::Next;
        moved.position = moved.fresh ? ReelGrid::position(step.from, 0) : step.to;
        return moved;
    }
    case Stage::Stop:
        m_stage = Stage::Payout;
        return stepOf(Kind::WheelsStopped, game.credits);
    case Stage::Payout:
        if (!m_evaluated) { // what the pay line pays
            const Evaluation paid = evaluate(game.grid, m_machine->m_payTable, m_bet);
            m_win = paid.win;
            m_combination = paid.combination;
            m_evaluated = true;
            if (m_win == JackpotWin)
                return stepOf(Kind::Jackpot, game.credits);
        }
        if (m_paid < m_win) {
            ++m_paid;
            game.credits += 1;
            game.wonShown = advancedDisplay(game.wonShown);
            if (game.credits > CounterCap)
                game.credits = CounterCap;
            return stepOf(Kind::CoinPaid, game.credits, game.wonShown);
        }
        m_stage = Stage::FanfareAfter;
        if (m_win == JackpotWin)
            return stepOf(Kind::Jackpot, game.credits);
        [[fallthrough]];
    case Stage::FanfareAfter:
        m_stage = Stage::Done;
        addCapped(game.creditsWon, m_win);
        return stepOf(Kind::PayoutEnded, game.credits);
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
    addCapped(game.creditsPlayed, m_bet);
    addCapped(game.spins, 1);
    game.changed = true;
}

} // namespace strhaven

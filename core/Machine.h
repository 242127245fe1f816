#pragma once

#include "core/GameOptions.h"
#include "core/NextSymbol.h"
#include "core/PayTable.h"
#include "core/RandomSource.h"
#include "core/SlotGame.h"
#include "core/WheelStrip.h"

#include <cstdint>
#include <optional>
#include <string>

namespace strhaven {

class Machine;

// One step of a long operation, for the face to show. The machine has
// already done what a step says when it hands it over: the credits it
// carries are the credits now.
struct MachineStep {
    enum class Kind {
        CreditCounted,  // one credit of a bill: credits
        DisplaysReset,  // WON and BET read 0 again before a bet is taken
        CoinTaken,      // one credit of a bet: credits, and BET as `shown`
        WheelsStarted,  // the bet is in; the wheels begin to turn
        Pause,          // nothing happens for `units` pause units
        SymbolMoved,    // `position` shows another symbol; `fresh`: a new one entered the wheel
        WheelsStopped,  // the last wheel has stopped
        Jackpot,        // the top award: its fanfare, before and after the coins
        CoinPaid,       // one credit won: credits, and WON as `shown`
        PayoutEnded,    // the win is paid
    };
    Kind kind = Kind::Pause;
    std::int32_t credits = 0;
    std::string shown;
    std::int32_t units = 0;
    int position = 0;
    bool fresh = false;
};

// Counting a bill onto the machine, a credit a step. The bill is booked
// (the money inserted, the game changed) by finish().
class BillCount {
public:
    std::optional<MachineStep> next();
    void finish();

private:
    friend class Machine;
    BillCount(Machine& machine, int dollars, std::int32_t credits);
    Machine* m_machine;
    int m_dollars;
    std::int32_t m_left;
    bool m_finished = false;
};

// One spin from the bet to the payout, a step at a time: the bet's coins,
// the 210 wheel steps (each after its pause), the stop, the win credit by
// credit. The spin is booked (credits played, spins, the game changed) by
// finish(), which the face calls once the last step has been shown and the
// window's events have had their turn, whatever went wrong in between.
class Spin {
public:
    // Throws what the random source throws.
    std::optional<MachineStep> next();
    void finish();
    // True once the wheels have stopped: a failure now is the payout's.
    bool paying() const { return m_stage >= Stage::Payout; }
    int bet() const { return m_bet; }
    // What the pay line was paid for, once the wheels have stopped.
    Combination combination() const { return m_combination; }
    int win() const { return m_win; }

private:
    friend class Machine;
    enum class Stage { Reset, Bet, Turning, Stop, Payout, FanfareAfter, Done };
    Spin(Machine& machine, int bet);
    Machine* m_machine;
    int m_bet;
    Stage m_stage = Stage::Reset;
    int m_coins = 0;
    int m_step = 0;
    bool m_paused = false;
    bool m_evaluated = false;
    int m_win = 0;
    Combination m_combination = Combination::None;
    int m_paid = 0;
    bool m_finished = false;
    StopSets m_sets;
};

// What an options change did, for the window to show.
struct OptionsChange {
    bool credits = false; // the credits were converted to the new denomination
};

// The machine and the one game on it: the game's counters, its options, the
// wheel strip and the pay table. Every rule that changes the game lives
// here, and nothing else changes the counters or whether the game has
// changed against its file. Standard C++ only: the face and the windows
// show what it hands them.
class Machine {
public:
    explicit Machine(RandomSource& random);

    const SlotGame& game() const { return m_game; }
    const GameOptions& options() const { return m_options; }
    const PayTable& payTable() const { return m_payTable; }

    // Bills: whether the machine takes this bill now (the $5 slot is shut
    // on the Two and Five Dollars machines).
    bool takesBill(int dollars) const;
    BillCount insertBill(int dollars);

    // Bets: why a bet cannot be played, or nothing.
    enum class Refusal { NoCredits, TooFewCredits };
    std::optional<Refusal> refusal(int bet) const;
    Spin play(int bet);

    // The options a dialog chose. A new denomination converts the credits
    // while the old one is still in force, keeping what the conversion could
    // not show for the next one; the wheels follow the payout mode. The game
    // counts as changed whatever changed.
    OptionsChange changeOptions(const GameOptions& chosen);
    // The Cash Out button's configuration; the game counts as changed.
    void changeCashOut(CashOutAction cashOut, bool showStats);

    // A new game on the options and symbols last stored: counters at zero,
    // never on a machine below the Dollar one, unchanged.
    void startNewGame(const GameOptions& stored, const ReelGrid& wheel);
    // A game read from a file: the options a file carries (wheel speed,
    // sounds, denomination, payout mode) replace those in force, the rest
    // stay; counters, displays and symbols are the file's. Unchanged
    // against its file, unless it is a kept game taken up again.
    void takeGame(const GameOptions& carried, const SlotGame& game, bool changed = false);
    // The game has been written to its file.
    void markSaved() { m_game.changed = false; }

private:
    friend class BillCount;
    friend class Spin;
    // The options a game file carries (and the Game Options dialog sets):
    // wheel speed, sounds, denomination, payout mode, with its wheels.
    void takeGameOptions(const GameOptions& from);

    RandomSource& m_random;
    SlotGame m_game;
    // What the credit conversions could not show (see convertedCredits);
    // the game's own until a new game or a game from a file replaces it.
    double m_unshownCredits = 0.0;
    GameOptions m_options;
    WheelStrip m_strip;
    PayTable m_payTable;
};

} // namespace strhaven

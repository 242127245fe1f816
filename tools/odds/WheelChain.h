#pragma once

#include "core/PayoutMode.h"
#include "core/Symbol.h"
#include "core/WheelStrip.h"

#include <array>
#include <vector>

namespace strhaven {

// What one wheel shows, from the top row down.
struct WheelView {
    Symbol top;
    Symbol middle;
    Symbol bottom;
    bool operator==(const WheelView&) const = default;
};

// The chance of each symbol entering the top row, in the state the stop
// choice sees it: cur at the top, mid and bot below. Derived by feeding the
// game's own chooseSymbol every one of the 42 stops in turn, so the odds
// cannot drift from the rule the game plays by.
std::array<double, SymbolCount> enteringOdds(Symbol cur, Symbol mid, Symbol bot, const WheelStrip& strip);

// One wheel as a Markov chain over what its three rows show. A row step
// moves the wheel down (bottom takes middle, middle takes top) and lets a
// symbol enter at the top; at that moment the top and the middle show the
// same symbol, just as during a spin.
class WheelChain {
public:
    static constexpr int States = SymbolCount * SymbolCount * SymbolCount;

    explicit WheelChain(const WheelStrip& strip);

    static int stateOf(const WheelView& view);
    static WheelView viewOf(int state);

    // Chance of going from one state to another in one row step.
    double transition(int from, int to) const;

    // The distribution after the given number of row steps.
    std::vector<double> step(const std::vector<double>& dist, int rows) const;

    // The states reachable from the start, all of which lead back to it
    // (irreducible) with cycles of coprime lengths (aperiodic): then the
    // long-run distribution is the same however many rows a spin moves.
    bool irreducibleAndAperiodicFrom(int start) const;

    // The long-run distribution of the wheel seen after spin after spin of
    // the given rows, starting from the given state, by power iteration.
    // Throws std::runtime_error when it does not settle.
    std::vector<double> longRun(int start, int rowsPerSpin) const;

private:
    struct Edge {
        int to;
        double p;
    };
    std::array<std::vector<Edge>, States> m_edges;
};

} // namespace strhaven

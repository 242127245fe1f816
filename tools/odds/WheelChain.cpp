#include "tools/odds/WheelChain.h"

#include "core/NextSymbol.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <queue>
#include <stdexcept>

namespace strhaven {

namespace {

// Hands the stop choice one chosen stop first. If the choice asks again,
// that stop was refused; it then gets the stops in order so that it can
// finish, and its answer is ignored.
class StopWalk {
public:
    explicit StopWalk(int first) : m_first(first) {}

    int nextStop()
    {
        if (m_calls++ == 0)
            return m_first;
        if (m_calls > WheelStrip::Stops + 1)
            throw std::runtime_error("the strip has no acceptable stop for this wheel");
        return m_calls - 2;
    }

    bool firstAccepted() const { return m_calls == 1; }

private:
    int m_first;
    int m_calls = 0;
};

} // namespace

std::array<double, SymbolCount> enteringOdds(Symbol cur, Symbol mid, Symbol bot, const WheelStrip& strip)
{
    std::array<int, SymbolCount> ways{};
    int accepted = 0;
    for (int stop = 0; stop < WheelStrip::Stops; ++stop) {
        StopWalk walk(stop);
        const Symbol entering = chooseSymbol(cur, mid, bot, strip, walk);
        if (!walk.firstAccepted())
            continue;
        ++ways[static_cast<std::size_t>(toIndex(entering))];
        ++accepted;
    }
    std::array<double, SymbolCount> odds{};
    for (int s = 0; s < SymbolCount; ++s)
        odds[static_cast<std::size_t>(s)] = static_cast<double>(ways[static_cast<std::size_t>(s)]) / accepted;
    return odds;
}

WheelChain::WheelChain(const WheelStrip& strip)
{
    for (int from = 0; from < States; ++from) {
        const WheelView v = viewOf(from);
        // After the move down the top still shows what it showed and the
        // middle shows the same; the old middle is now the bottom.
        const auto odds = enteringOdds(v.top, v.top, v.middle, strip);
        for (int s = 0; s < SymbolCount; ++s)
            if (odds[static_cast<std::size_t>(s)] > 0.0)
                m_edges[static_cast<std::size_t>(from)].push_back(
                    {stateOf({symbolFromIndex(s), v.top, v.middle}), odds[static_cast<std::size_t>(s)]});
    }
}

int WheelChain::stateOf(const WheelView& view)
{
    return (toIndex(view.top) * SymbolCount + toIndex(view.middle)) * SymbolCount + toIndex(view.bottom);
}

WheelView WheelChain::viewOf(int state)
{
    return {symbolFromIndex(state / (SymbolCount * SymbolCount)), symbolFromIndex(state / SymbolCount % SymbolCount),
            symbolFromIndex(state % SymbolCount)};
}

double WheelChain::transition(int from, int to) const
{
    for (const Edge& e : m_edges[static_cast<std::size_t>(from)])
        if (e.to == to)
            return e.p;
    return 0.0;
}

std::vector<double> WheelChain::step(const std::vector<double>& dist, int rows) const
{
    std::vector<double> cur = dist;
    std::vector<double> next(States);
    for (int r = 0; r < rows; ++r) {
        std::fill(next.begin(), next.end(), 0.0);
        for (int from = 0; from < States; ++from) {
            const double p = cur[static_cast<std::size_t>(from)];
            if (p == 0.0)
                continue;
            for (const Edge& e : m_edges[static_cast<std::size_t>(from)])
                next[static_cast<std::size_t>(e.to)] += p * e.p;
        }
        cur.swap(next);
    }
    return cur;
}

bool WheelChain::irreducibleAndAperiodicFrom(int start) const
{
    std::vector<int> level(States, -1);
    std::queue<int> todo;
    level[static_cast<std::size_t>(start)] = 0;
    todo.push(start);
    while (!todo.empty()) {
        const int u = todo.front();
        todo.pop();
        for (const Edge& e : m_edges[static_cast<std::size_t>(u)])
            if (level[static_cast<std::size_t>(e.to)] < 0) {
                level[static_cast<std::size_t>(e.to)] = level[static_cast<std::size_t>(u)] + 1;
                todo.push(e.to);
            }
    }

    // Every reachable state must lead back to the start: walk the edges
    // backwards from it.
    std::vector<bool> leadsBack(States, false);
    leadsBack[static_cast<std::size_t>(start)] = true;
    for (bool grew = true; grew;) {
        grew = false;
        for (int u = 0; u < States; ++u)
            if (!leadsBack[static_cast<std::size_t>(u)] && level[static_cast<std::size_t>(u)] >= 0)
                for (const Edge& e : m_edges[static_cast<std::size_t>(u)])
                    if (leadsBack[static_cast<std::size_t>(e.to)]) {
                        leadsBack[static_cast<std::size_t>(u)] = true;
                        grew = true;
                        break;
                    }
    }

    // The period is the gcd of level[u] + 1 - level[v] over all edges u -> v.
    int period = 0;
    for (int u = 0; u < States; ++u) {
        if (level[static_cast<std::size_t>(u)] < 0)
            continue;
        if (!leadsBack[static_cast<std::size_t>(u)])
            return false;
        for (const Edge& e : m_edges[static_cast<std::size_t>(u)])
            period = std::gcd(period, std::abs(level[static_cast<std::size_t>(u)] + 1 - level[static_cast<std::size_t>(e.to)]));
    }
    return period == 1;
}

std::vector<double> WheelChain::longRun(int start, int rowsPerSpin) const
{
    constexpr int MaxSpins = 100000;
    constexpr double Settled = 1e-15;
    std::vector<double> dist(States, 0.0);
    dist[static_cast<std::size_t>(start)] = 1.0;
    for (int spin = 0; spin < MaxSpins; ++spin) {
        std::vector<double> next = step(dist, rowsPerSpin);
        double change = 0.0;
        for (int s = 0; s < States; ++s)
            change += std::abs(next[static_cast<std::size_t>(s)] - dist[static_cast<std::size_t>(s)]);
        dist.swap(next);
        if (change < Settled)
            return dist;
    }
    throw std::runtime_error("the wheel's distribution does not settle");
}

} // namespace strhaven

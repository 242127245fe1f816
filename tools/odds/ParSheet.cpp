#include "tools/odds/ParSheet.h"

#include "core/SpinSequence.h"
#include "tools/odds/WheelChain.h"
#include "core/WheelStrip.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace strhaven {

namespace {

// How many rows each wheel moves in one spin, counted from the steps the
// game plays rather than restated here.
std::array<int, ReelGrid::Wheels> rowsPerSpin()
{
    std::array<int, ReelGrid::Wheels> rows{};
    for (const SpinStep& step : spinSteps())
        if (step.kind == SpinStep::Kind::Next)
            ++rows[step.from];
    return rows;
}

struct WeightedView {
    WheelView view;
    double p;
};

std::vector<WeightedView> support(const std::vector<double>& dist)
{
    std::vector<WeightedView> views;
    for (int s = 0; s < WheelChain::States; ++s)
        if (dist[static_cast<std::size_t>(s)] > 0.0)
            views.push_back({WheelChain::viewOf(s), dist[static_cast<std::size_t>(s)]});
    return views;
}

void setWheel(ReelGrid& grid, int wheel, const WheelView& v)
{
    grid.set(ReelGrid::position(wheel, 0), v.top);
    grid.set(ReelGrid::position(wheel, 1), v.middle);
    grid.set(ReelGrid::position(wheel, 2), v.bottom);
}

WheelView wheelOf(const ReelGrid& grid, int wheel)
{
    return {grid.at(ReelGrid::position(wheel, 0)), grid.at(ReelGrid::position(wheel, 1)),
            grid.at(ReelGrid::position(wheel, 2))};
}

} // namespace

void OutcomeTally::merge(const OutcomeTally& other)
{
    m_weight += other.m_weight;
    m_blanks += other.m_blanks;
    m_blanksSquared += other.m_blanksSquared;
    for (std::size_t c = 0; c < m_codeWeight.size(); ++c)
        m_codeWeight[c] += other.m_codeWeight[c];
}

ParSheet OutcomeTally::sheet(PayoutMode mode, const PayTable& table) const
{
    ParSheet s;
    s.mode = mode;
    if (m_weight <= 0.0)
        return s;
    double pay = 0, pay3 = 0, paySquared = 0, hits = 0;
    for (int code = 0; code < PayTableSize; ++code) {
        const double p = m_codeWeight[static_cast<std::size_t>(code)] / m_weight;
        const int perCredit = table[code];
        if (p == 0.0 || perCredit == 0)
            continue;
        pay += p * perCredit;
        pay3 += p * winFor(perCredit, 3);
        paySquared += p * perCredit * perCredit;
        hits += p;
        s.payCodes.push_back({code, perCredit, p, 0.0});
    }
    for (PayCodeOdds& c : s.payCodes)
        c.returnShare = c.probability * c.payPerCredit / pay;
    s.returnBet1 = pay;
    s.returnBet3 = pay3 / 3;
    s.hitRate = hits;
    s.sdBet1 = std::sqrt(std::max(0.0, paySquared - pay * pay));
    const double blanks = m_blanks / m_weight;
    s.blankShare = blanks / ReelGrid::Positions;
    s.blankShareSd = std::sqrt(std::max(0.0, m_blanksSquared / m_weight - blanks * blanks)) / ReelGrid::Positions;
    const double jackpots = m_codeWeight[ThreeEmblemCode] / m_weight;
    s.threeEmblemOneIn = jackpots > 0.0 ? 1.0 / jackpots : std::numeric_limits<double>::infinity();
    return s;
}

ParSheet exactParSheet(PayoutMode mode)
{
    WheelStrip strip;
    strip.fill(mode);
    const WheelChain chain(strip);
    const PayTable table = BuildPayTable();
    const ReelGrid start = ReelGrid::defaultGrid();
    const auto rows = rowsPerSpin();

    std::array<std::vector<WeightedView>, ReelGrid::Wheels> wheels;
    for (int w = 0; w < ReelGrid::Wheels; ++w) {
        const int first = WheelChain::stateOf(wheelOf(start, w));
        if (!chain.irreducibleAndAperiodicFrom(first))
            throw std::runtime_error("a wheel's chain has no single long-run distribution");
        wheels[static_cast<std::size_t>(w)] = support(chain.longRun(first, rows[static_cast<std::size_t>(w)]));
    }

    OutcomeTally tally;
    ReelGrid grid;
    for (const WeightedView& a : wheels[0]) {
        setWheel(grid, 0, a.view);
        for (const WeightedView& b : wheels[1]) {
            setWheel(grid, 1, b.view);
            const double ab = a.p * b.p;
            for (const WeightedView& c : wheels[2]) {
                setWheel(grid, 2, c.view);
                tally.add(grid, table, ab * c.p);
            }
        }
    }
    ParSheet s = tally.sheet(mode, table);
    s.exact = true;
    s.spins = 0;
    return s;
}

} // namespace strhaven

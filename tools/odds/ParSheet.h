#pragma once

#include "core/PayTable.h"
#include "core/PayoutMode.h"
#include "core/ReelGrid.h"

#include <array>
#include <cstdint>
#include <vector>

namespace strhaven {

// One paying pay code: how often it comes up and what part of the return
// at one credit it makes.
struct PayCodeOdds {
    int code;
    int payPerCredit;
    double probability;
    double returnShare;
};

// The long-run figures of one payout mode.
struct ParSheet {
    PayoutMode mode = PayoutMode::GoodDay;
    bool exact = true;
    std::uint64_t spins = 0; // 0 for exact figures
    double returnBet1 = 0;   // credits paid per credit bet, betting 1
    double returnBet3 = 0;   // the same betting 3 (the jackpot pays 5000)
    double hitRate = 0;      // share of spins that win anything
    double sdBet1 = 0;       // standard deviation of the win per spin, betting 1
    double blankShare = 0;   // share of the nine positions that show Blank
    double blankShareSd = 0; // standard deviation of that share per spin
    double threeEmblemOneIn = 0; // infinity when it never came up
    std::vector<PayCodeOdds> payCodes; // paying codes that come up, by code
};

// Sums over grids, each with a weight: a probability for the exact figures,
// 1 per spin for a simulation. Both go through the game's own evaluation.
class OutcomeTally {
public:
    Evaluation add(const ReelGrid& grid, const PayTable& table, double weight = 1.0)
    {
        const Evaluation e = evaluate(grid, table, 1);
        int blanks = 0;
        for (int pos = 0; pos < ReelGrid::Positions; ++pos)
            blanks += grid.at(pos) == Symbol::Blank;
        m_weight += weight;
        m_codeWeight[static_cast<std::size_t>(e.code)] += weight;
        m_blanks += weight * blanks;
        m_blanksSquared += weight * blanks * blanks;
        return e;
    }

    void merge(const OutcomeTally& other);
    double weight() const { return m_weight; }

    // Figures from the sums; pays come from the table, by code.
    ParSheet sheet(PayoutMode mode, const PayTable& table) const;

private:
    double m_weight = 0;
    double m_blanks = 0;
    double m_blanksSquared = 0;
    std::array<double, PayTableSize> m_codeWeight{};
};

// The figures computed exactly from the wheels' long-run distributions,
// with no randomness: the wheels turn independently, so the grid's
// distribution is the product of theirs.
ParSheet exactParSheet(PayoutMode mode);

} // namespace strhaven

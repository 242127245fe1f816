#include "core/PayTable.h"

namespace strhaven {

namespace {

constexpr bool isSeven(Symbol s) { return s == Symbol::RedSeven || s == Symbol::WhiteSeven; }
constexpr bool isBar(Symbol s)
{
    return s == Symbol::TripleBar || s == Symbol::DoubleBar || s == Symbol::SingleBar;
}

struct LinePay {
    int pay = 0;
    Combination combination = Combination::None;
};

constexpr LinePay threeOfAKind(Symbol s)
{
    switch (s) {
    case Symbol::RedSeven: return {200, Combination::ThreeRedSevens};
    case Symbol::WhiteSeven: return {100, Combination::ThreeWhiteSevens};
    case Symbol::TripleBar: return {30, Combination::ThreeTripleBars};
    case Symbol::DoubleBar: return {20, Combination::ThreeDoubleBars};
    case Symbol::SingleBar: return {10, Combination::ThreeSingleBars};
    default: return {};
    }
}

// A line pays only its highest combination; of two that pay alike, the one
// printed higher.
LinePay linePay(const std::array<Symbol, 3>& line)
{
    int emblems = 0;
    bool allSevens = true, allBars = true, allSame = true;
    Symbol first = Symbol::Emblem;
    for (Symbol s : line) {
        if (s == Symbol::Emblem) {
            ++emblems;
            continue;
        }
        if (first == Symbol::Emblem)
            first = s;
        allSame = allSame && s == first;
        allSevens = allSevens && isSeven(s);
        allBars = allBars && isBar(s);
    }
    if (emblems == 3)
        return {1500, Combination::ThreeEmblems};
    LinePay best;
    const auto consider = [&best](LinePay candidate) {
        if (candidate.pay > best.pay)
            best = candidate;
    };
    if (allSame)
        consider(threeOfAKind(first));
    if (allSevens)
        consider({60, Combination::AnyThreeSevens});
    if (allBars)
        consider({5, Combination::AnyThreeBars});
    if (emblems == 2)
        consider({5, Combination::TwoEmblems});
    if (emblems == 1)
        consider({2, Combination::OneEmblem});
    return best;
}

} // namespace

void PayTable::set(int code, std::int16_t pay, Combination c)
{
    m_pays[static_cast<std::size_t>(code)] = pay;
    m_combinations[static_cast<std::size_t>(code)] = c;
    m_combinationPays[static_cast<std::size_t>(c)] = pay;
}

PayTable BuildPayTable()
{
    PayTable table;
    for (int a = 0; a < SymbolCount; ++a)
        for (int b = 0; b < SymbolCount; ++b)
            for (int c = 0; c < SymbolCount; ++c) {
                const std::array<Symbol, 3> line{symbolFromIndex(a), symbolFromIndex(b), symbolFromIndex(c)};
                const LinePay paid = linePay(line);
                table.set(100 * a + 10 * b + c, static_cast<std::int16_t>(paid.pay), paid.combination);
            }
    table.set(AnywhereCode, 500, Combination::EmblemOnEveryWheel);
    return table;
}

int PayCode(const ReelGrid& grid)
{
    std::array<Symbol, 3> line{grid.at(3), grid.at(4), grid.at(5)};
    const int code = payLineCode(line[0], line[1], line[2]);
    if (code == ThreeEmblemCode)
        return code;

    bool everyWheel = true;
    for (int w = 0; w < 3; ++w)
        everyWheel = everyWheel &&
                     (grid.at(w) == Symbol::Emblem || grid.at(w + 3) == Symbol::Emblem || grid.at(w + 6) == Symbol::Emblem);
    if (everyWheel)
        return AnywhereCode;

    for (int w = 0; w < 3; ++w)
        if (grid.at(w) == Symbol::Emblem || grid.at(w + 6) == Symbol::Emblem)
            line[static_cast<std::size_t>(w)] = Symbol::Emblem;
    return payLineCode(line[0], line[1], line[2]);
}

Evaluation evaluate(const ReelGrid& grid, const PayTable& table, int bet)
{
    const int code = PayCode(grid);
    const int pay = table[code];
    return {code, table.combination(code), pay, winFor(pay, bet)};
}

} // namespace strhaven

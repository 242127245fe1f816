#include "core/PayTable.h"

#include <algorithm>

namespace strhaven {

namespace {

constexpr bool isSeven(Symbol s) { return s == Symbol::RedSeven || s == Symbol::WhiteSeven; }
constexpr bool isBar(Symbol s)
{
    return s == Symbol::TripleBar || s == Symbol::DoubleBar || s == Symbol::SingleBar;
}

constexpr int threeOfAKind(Symbol s)
{
    switch (s) {
    case Symbol::RedSeven: return 200;
    case Symbol::WhiteSeven: return 100;
    case Symbol::TripleBar: return 30;
    case Symbol::DoubleBar: return 20;
    case Symbol::SingleBar: return 10;
    default: return 0;
    }
}

int linePay(const std::array<Symbol, 3>& line)
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
        return 1500;
    int pay = 0;
    if (allSame)
        pay = threeOfAKind(first);
    if (allSevens)
        pay = std::max(pay, 60);
    if (allBars)
        pay = std::max(pay, 5);
    if (emblems == 2)
        pay = std::max(pay, 5);
    if (emblems == 1)
        pay = std::max(pay, 2);
    return pay;
}

} // namespace

PayTable BuildPayTable()
{
    PayTable table;
    for (int a = 0; a < SymbolCount; ++a)
        for (int b = 0; b < SymbolCount; ++b)
            for (int c = 0; c < SymbolCount; ++c) {
                const std::array<Symbol, 3> line{symbolFromIndex(a), symbolFromIndex(b), symbolFromIndex(c)};
                table[100 * a + 10 * b + c] = static_cast<std::int16_t>(linePay(line));
            }
    table[AnywhereCode] = 500;
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
    return {code, pay, winFor(pay, bet)};
}

} // namespace strhaven

#include "core/WheelStrip.h"

#include <algorithm>

namespace strhaven {

namespace {

using Odd = std::array<int, 21>;
constexpr Odd RealisticOdd{1, 2, 5, 3, 4, 6, 2, 5, 3, 4, 6, 5, 3, 4, 6, 3, 4, 6, 4, 6, 6};
constexpr Odd GoodDayOdd{1, 2, 5, 3, 4, 6, 1, 2, 5, 3, 4, 6, 1, 5, 3, 4, 6, 3, 4, 6, 6};
constexpr Odd FantasyOdd{1, 2, 5, 3, 4, 6, 1, 2, 5, 3, 4, 1, 1, 2, 5, 3, 4, 6, 1, 1, 5};

constexpr const Odd& oddStops(PayoutMode mode)
{
    switch (mode) {
    case PayoutMode::Realistic: return RealisticOdd;
    case PayoutMode::Fantasy: return FantasyOdd;
    case PayoutMode::GoodDay: break;
    }
    return GoodDayOdd;
}

} // namespace

WheelStrip::WheelStrip() { fill(DefaultPayout); }

void WheelStrip::fill(PayoutMode mode)
{
    const Odd& odd = oddStops(mode);
    for (int i = 0; i < 21; ++i) {
        m_stops[static_cast<std::size_t>(2 * i)] = symbolFromIndex(odd[static_cast<std::size_t>(i)]);
        m_stops[static_cast<std::size_t>(2 * i + 1)] = Symbol::Blank;
    }
}

int WheelStrip::count(Symbol s) const
{
    return static_cast<int>(std::count(m_stops.begin(), m_stops.end(), s));
}

} // namespace strhaven

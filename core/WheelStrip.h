#pragma once

#include "core/PayoutMode.h"
#include "core/Symbol.h"

#include <array>

namespace strhaven {

// The 42 stops every wheel draws from. Even stops are Blank; the 21 odd
// stops carry the payout mode's symbols. Only the counts matter to the
// odds; the order is kept so the strips read as the mode tables do.
//
// A strip always carries symbols: it starts out filled for the default
// mode. A strip without symbols would make the stop choice loop for ever
// once a wheel shows Blank at the top.
class WheelStrip {
public:
    static constexpr int Stops = 42;

    WheelStrip();

    // Stop by zero-based index, as the stop choice draws it.
    Symbol operator[](int index) const { return m_stops[static_cast<std::size_t>(index)]; }

    void fill(PayoutMode mode);
    int count(Symbol s) const;

    bool operator==(const WheelStrip&) const = default;

private:
    std::array<Symbol, Stops> m_stops{};
};

} // namespace strhaven

#pragma once

#include <optional>
#include <string_view>

namespace strhaven {

// How generous the wheels are; stored by these exact, case-sensitive strings.
enum class PayoutMode { Realistic, GoodDay, Fantasy };

inline constexpr PayoutMode DefaultPayout = PayoutMode::GoodDay;

constexpr std::string_view toString(PayoutMode m)
{
    switch (m) {
    case PayoutMode::Realistic: return "Realistic";
    case PayoutMode::GoodDay: return "GoodDay";
    case PayoutMode::Fantasy: return "Fantasy";
    }
    return "GoodDay";
}

constexpr std::optional<PayoutMode> payoutModeFromString(std::string_view s)
{
    for (auto m : {PayoutMode::Fantasy, PayoutMode::GoodDay, PayoutMode::Realistic})
        if (s == toString(m))
            return m;
    return std::nullopt;
}

} // namespace strhaven

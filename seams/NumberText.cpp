#include "seams/NumberText.h"

#include <charconv>
#include <cmath>

namespace strhaven {

namespace {

std::optional<double> parseIn(const QString& text, QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> parseNumber(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const auto value = parseIn(trimmed, QLocale::c()))
        return value;
    return parseIn(trimmed, locale);
}

QString shortestText(float value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc{})
        return QString::number(static_cast<double>(value), 'g', 9);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(end - buffer));
}

double roundHalfEven(double value)
{
    // nearbyint rounds half to even in the default rounding mode.
    return std::nearbyint(value);
}

} // namespace strhaven

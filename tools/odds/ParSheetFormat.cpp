#include "tools/odds/ParSheetFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace strhaven {

namespace {

// Shortest text that reads back as the same double; JSON has no infinity
// or NaN, so those are null.
std::string number(double v)
{
    if (!std::isfinite(v))
        return "null";
    char buf[32];
    const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, ptr);
}

std::string fixed(double v, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

// 1234567.8 -> "1,234,568"
std::string grouped(double v)
{
    if (!std::isfinite(v))
        return "never";
    const std::string digits = fixed(std::round(v), 0);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

std::string codeText(int code)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", code);
    return buf;
}

std::string jsonObject(const ParSheet& s, const SimulationResult* sim)
{
    std::string j = "{\"mode\":\"" + std::string(toString(s.mode)) + "\",\"method\":\"" +
                    (s.exact ? "exact" : "simulated") + "\",\"spins\":" + std::to_string(s.spins) +
                    ",\"return_bet1\":" + number(s.returnBet1) + ",\"return_bet3\":" + number(s.returnBet3) +
                    ",\"hit_rate\":" + number(s.hitRate) + ",\"sd_bet1\":" + number(s.sdBet1) +
                    ",\"blank_share\":" + number(s.blankShare) +
                    ",\"three_emblem_one_in\":" + number(s.threeEmblemOneIn);
    if (sim)
        j += ",\"spins_per_second\":" + number(sim->spinsPerSecond) + ",\"return_bet1_ci95\":[" +
             number(sim->returnLow) + "," + number(sim->returnHigh) + "]";
    j += ",\"pay_codes\":[";
    for (std::size_t i = 0; i < s.payCodes.size(); ++i) {
        const PayCodeOdds& c = s.payCodes[i];
        j += (i ? ",{" : "{") + std::string("\"code\":") + std::to_string(c.code) +
             ",\"pay\":" + std::to_string(c.payPerCredit) + ",\"probability\":" + number(c.probability) +
             ",\"return_share\":" + number(c.returnShare) + "}";
    }
    return j + "]}\n";
}

std::string row(const std::string& label, const std::string& value)
{
    std::string line = "  " + label;
    line.resize(42, ' ');
    return line + value + "\n";
}

std::string table(const ParSheet& s, const SimulationResult* sim)
{
    std::string t = std::string(toString(s.mode)) + " - " +
                    (s.exact ? std::string("exact") : "simulated, " + grouped(static_cast<double>(s.spins)) + " spins") +
                    "\n";
    t += row("Paid per credit bet, betting 1", fixed(s.returnBet1, 4));
    if (sim)
        t += row("  95 % confidence interval", fixed(sim->returnLow, 4) + " to " + fixed(sim->returnHigh, 4));
    t += row("Paid per credit bet, betting 3", fixed(s.returnBet3, 4));
    t += row("Spins that win", fixed(100 * s.hitRate, 2) + " %");
    t += row("Standard deviation of a win, betting 1", fixed(s.sdBet1, 3));
    t += row("Blank positions", fixed(100 * s.blankShare, 2) + " %");
    t += row("Three Emblems on the pay line", "1 in " + grouped(s.threeEmblemOneIn));
    if (sim)
        t += row("Spins per second", grouped(sim->spinsPerSecond));
    t += "\n  Code  Pays   Probability       1 in   Share of return\n";
    for (const PayCodeOdds& c : s.payCodes) {
        char buf[128];
        std::snprintf(buf, sizeof buf, "  %s  %4d  %12.8f  %9s  %8.3f %%\n", codeText(c.code).c_str(), c.payPerCredit,
                      c.probability, grouped(1.0 / c.probability).c_str(), 100 * c.returnShare);
        t += buf;
    }
    return t + "\n";
}

} // namespace

std::string jsonLine(const ParSheet& sheet) { return jsonObject(sheet, nullptr); }
std::string jsonLine(const SimulationResult& result) { return jsonObject(result.sheet, &result); }
std::string parSheetTable(const ParSheet& sheet) { return table(sheet, nullptr); }
std::string parSheetTable(const SimulationResult& result) { return table(result.sheet, &result); }

} // namespace strhaven

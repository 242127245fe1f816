#include "tools/odds/OddsOptions.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace strhaven {

namespace {

std::optional<std::uint64_t> wholeNumber(std::string_view text)
{
    std::uint64_t value = 0;
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), last, value);
    if (text.empty() || ec != std::errc{} || ptr != last)
        return std::nullopt;
    return value;
}

ArgumentError badValue(std::string_view option, std::string_view value, std::string_view expected)
{
    return {std::string(value),
            std::string(option) + ": '" + std::string(value) + "' is not " + std::string(expected)};
}

} // namespace

std::variant<OddsOptions, ArgumentError> parseOddsArguments(std::span<const std::string_view> args)
{
    OddsOptions o;
    bool exact = false;
    std::string_view simulateArg;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::optional<std::string_view> value;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        const bool takesValue = arg == "--simulate" || arg == "--seed" || arg == "--threads" || arg == "--mode";
        const bool flag = arg == "--help" || arg == "-h" || arg == "--exact" || arg == "--json";
        if (!takesValue && !flag) {
            if (arg.starts_with("-"))
                return ArgumentError{std::string(args[i]), "unknown option '" + std::string(args[i]) + "'"};
            return ArgumentError{std::string(arg), "unexpected argument '" + std::string(arg) + "'"};
        }
        if (takesValue && !value) {
            if (i + 1 >= args.size() || args[i + 1].starts_with("--"))
                return ArgumentError{std::string(arg), std::string(arg) + ": a value is missing"};
            value = args[++i];
        } else if (!takesValue && value) {
            return ArgumentError{std::string(args[i]), "'" + std::string(args[i]) + "': " + std::string(arg) + " takes no value"};
        }

        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--exact") {
            exact = true;
        } else if (arg == "--json") {
            o.json = true;
        } else if (arg == "--simulate") {
            const auto n = wholeNumber(*value);
            if (!n || *n == 0)
                return badValue(arg, *value, "a number of spins of at least 1");
            o.simulate = true;
            o.spins = *n;
            simulateArg = args[i];
        } else if (arg == "--seed") {
            const auto n = wholeNumber(*value);
            if (!n)
                return badValue(arg, *value, "a whole number from 0 to 18446744073709551615");
            o.seed = *n;
        } else if (arg == "--threads") {
            const auto n = wholeNumber(*value);
            if (!n || *n < 1 || *n > MaxThreads)
                return badValue(arg, *value, "a number of threads from 1 to 64");
            o.threads = static_cast<int>(*n);
        } else {
            const auto mode = payoutModeFromString(*value);
            if (!mode)
                return badValue(arg, *value, "a payout mode (Realistic, GoodDay or Fantasy)");
            if (std::find(o.modes.begin(), o.modes.end(), *mode) == o.modes.end())
                o.modes.push_back(*mode);
        }
    }
    if (o.help)
        return o;
    if (exact && o.simulate)
        return ArgumentError{std::string(simulateArg), "--exact and --simulate exclude each other"};
    if (o.modes.empty())
        o.modes = {PayoutMode::Realistic, PayoutMode::GoodDay, PayoutMode::Fantasy};
    return o;
}

std::string oddsUsage(std::string_view program)
{
    return "Usage: " + std::string(program) +
           " [--exact | --simulate N [--seed S] [--threads T]] [--mode MODE] [--json]\n"
           "\n"
           "Long-run figures of the payout modes: return per credit bet, share of\n"
           "winning spins, spread of the win, blank positions, how rare three\n"
           "Emblems on the pay line are, and the odds of every paying pay code.\n"
           "\n"
           "  --exact        compute the figures exactly from the stop rules (default)\n"
           "  --simulate N   play N spins through the game's own code\n"
           "  --seed S       seed of the simulation (default 1)\n"
           "  --threads T    threads for the simulation, 1 to 64 (default 1)\n"
           "  --mode MODE    Realistic, GoodDay or Fantasy; may be repeated\n"
           "                 (default: all three)\n"
           "  --json         one JSON object per mode and line\n"
           "  --help         show this text\n"
           "\n"
           "Exit status: 0 on success, 2 for bad arguments, 1 when the figures\n"
           "cannot be computed.\n";
}

} // namespace strhaven

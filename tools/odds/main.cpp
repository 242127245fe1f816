#include "tools/odds/OddsOptions.h"
#include "tools/odds/ParSheet.h"
#include "tools/odds/ParSheetFormat.h"
#include "tools/odds/Simulation.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <iostream>
#include <vector>

using namespace strhaven;

int main(int argc, char* argv[])
{
    const std::string_view program = argc > 0 ? argv[0] : "strhaven-odds";
    std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto parsed = parseOddsArguments(args);
    if (const auto* error = std::get_if<ArgumentError>(&parsed)) {
        std::cerr << program << ": " << error->message << "\n" << "Try '" << program << " --help'.\n";
        return 2;
    }
    const OddsOptions& o = std::get<OddsOptions>(parsed);
    if (o.help) {
        std::cout << oddsUsage(program);
        return 0;
    }

    try {
        const auto started = std::chrono::steady_clock::now();
        for (PayoutMode mode : o.modes) {
            if (o.simulate) {
                const SimulationResult r = simulate(mode, o.spins, o.seed, o.threads);
                std::cout << (o.json ? jsonLine(r) : parSheetTable(r)) << std::flush;
            } else {
                const ParSheet s = exactParSheet(mode);
                std::cout << (o.json ? jsonLine(s) : parSheetTable(s)) << std::flush;
            }
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        if (!o.json)
            std::cout << "Computed in " << elapsed.count() << " s\n";
    } catch (const std::exception& e) {
        std::cerr << program << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}

#pragma once

#include "tools/odds/ParSheet.h"
#include "tools/odds/Simulation.h"

#include <string>

namespace strhaven {

// One JSON object on one line. Simulated sheets add spins_per_second and
// the confidence interval of the return.
std::string jsonLine(const ParSheet& sheet);
std::string jsonLine(const SimulationResult& result);

// The readable par sheet of one mode.
std::string parSheetTable(const ParSheet& sheet);
std::string parSheetTable(const SimulationResult& result);

} // namespace strhaven

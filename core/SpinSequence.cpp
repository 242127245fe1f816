#include "core/SpinSequence.h"

namespace strhaven {

const std::array<SpinStep, SpinStepCount>& spinSteps() { return detail::SpinStepTable; }

} // namespace strhaven

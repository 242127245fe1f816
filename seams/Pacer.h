#pragma once

#include <cstdint>

namespace strhaven {

// Pacing of long operations: a pause of so many units, and the fixed points
// at which window events may run.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void pause(std::int32_t units) = 0;
    virtual void letEventsRun() = 0;
};

} // namespace strhaven

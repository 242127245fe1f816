#pragma once

#include "seams/Pacer.h"

#include <functional>
#include <vector>

namespace strhaven {

// Records pauses instead of sleeping; a hook runs inside each pause so a
// test can look at the window in the middle of an operation.
class FakePacer final : public Pacer {
public:
    std::vector<std::int32_t> pauses;
    int yields = 0;
    std::function<void()> onPause;

    void pause(std::int32_t units) override
    {
        pauses.push_back(units);
        if (onPause)
            onPause();
    }
    void letEventsRun() override { ++yields; }
};

} // namespace strhaven

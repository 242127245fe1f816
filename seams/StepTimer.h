#pragma once

#include <chrono>
#include <functional>

namespace strhaven {

// When the next step of a long operation (a bill counted, a spin, a payout)
// is due: a single-shot timer of the event loop. Between two steps the
// program is back in its event loop, so the window repaints, moves and
// answers a screen reader at any moment; nothing sleeps. The tests drive it
// with a clock of their own.
class StepTimer {
public:
    virtual ~StepTimer() = default;
    // `due` runs once, from the event loop, when `delay` has passed; it
    // replaces a call still pending.
    virtual void start(std::chrono::nanoseconds delay, std::function<void()> due) = 0;
    // The call pending, if any, is dropped.
    virtual void stop() = 0;
};

} // namespace strhaven

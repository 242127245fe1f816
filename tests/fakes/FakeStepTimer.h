#pragma once

#include "seams/StepTimer.h"

#include <functional>
#include <vector>

namespace strhaven {

// A step timer on a clock of the test's own: nothing fires until the test
// lets time pass, which takes no real time. Every delay asked for is kept.
class FakeStepTimer final : public StepTimer {
public:
    std::vector<std::chrono::nanoseconds> delays;
    std::chrono::nanoseconds now{0};
    // Runs before each step that comes due, so a test can look at the
    // window, or end it, in the middle of an operation.
    std::function<void()> beforeStep;

    void start(std::chrono::nanoseconds delay, std::function<void()> due) override
    {
        delays.push_back(delay);
        m_dueAt = now + delay;
        m_due = std::move(due);
    }
    void stop() override { m_due = nullptr; }

    bool pending() const { return bool(m_due); }
    // The clock moves to the pending step, which then runs.
    bool fire()
    {
        if (!m_due)
            return false;
        now = m_dueAt;
        if (beforeStep)
            beforeStep();
        if (auto due = std::exchange(m_due, nullptr))
            due();
        return true;
    }
    // Every step until the operation has ended; how many ran.
    int runAll()
    {
        int steps = 0;
        while (fire())
            ++steps;
        return steps;
    }

private:
    std::chrono::nanoseconds m_dueAt{0};
    std::function<void()> m_due;
};

} // namespace strhaven

#pragma once

#include "seams/StepTimer.h"

#include <QElapsedTimer>
#include <QTimer>

namespace strhaven {

// A step timer's arithmetic, apart from any clock: the whole milliseconds a
// timer is set to for a step due `delay` nanoseconds from `now`, and what
// that rounding gained or lost, made good on the step that follows on.
class MillisecondRounding {
public:
    // `followsOn` when the step before has just come due and asks for this one.
    qint64 milliseconds(qint64 now, qint64 delay, bool followsOn);
    qint64 dueAt() const { return m_dueAt; }

private:
    qint64 m_dueAt = 0;
    qint64 m_rounding = 0; // how much later than due the timer was set
};

// The step timer on a precise QTimer. Qt's timers count whole
// milliseconds, while a pause is a fraction of one more or less (11.1 ms
// at wheel speed 5): each step's timer is set to the nearest millisecond,
// and what that rounding gained or lost is made good on the next step when
// the next is asked for at once (as an operation asks for its steps). So a
// spin lasts its pauses, plus the time its steps take to show and the
// event loop takes to wake, as a spin always did; the rounding neither
// adds nor takes away up to a millisecond for each of its 210 pauses.
class QtStepTimer final : public StepTimer {
public:
    QtStepTimer();

    void start(std::chrono::nanoseconds delay, std::function<void()> due) override;
    void stop() override;

    // How late the last call came against the time it was due (less than
    // nothing when the rounding brought it early), for the pacing benchmark.
    std::chrono::nanoseconds lastLateness() const { return m_lateness; }

private:
    void fire();

    QTimer m_timer;
    QElapsedTimer m_clock; // nanoseconds for the rounding
    MillisecondRounding m_rounding;
    std::function<void()> m_due;
    std::chrono::nanoseconds m_lateness{0};
    bool m_firing = false; // inside the call that is due: the next start follows on at once
};

} // namespace strhaven

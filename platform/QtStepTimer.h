#pragma once

#include "seams/StepTimer.h"

#include <QElapsedTimer>
#include <QTimer>

namespace strhaven {

// The step timer on a precise QTimer. Qt's timers count whole
// milliseconds, while a pause is a fraction of one more or less (11.1 ms
// at wheel speed 5), so a step fires up to a millisecond after it is due.
// Up to a millisecond of lateness is made up by the steps that follow, when
// each is asked for by the one before (as an operation asks for its steps):
// a spin lasts its pauses plus the time its steps take to show, as a spin
// always did, and not a millisecond more for each of its 210 pauses. Greater
// lateness (a busy machine) is not made up: the wheels would jump.
class QtStepTimer final : public StepTimer {
public:
    QtStepTimer();

    void start(std::chrono::nanoseconds delay, std::function<void()> due) override;
    void stop() override;

    // How late the last call came against the time it was due, for the
    // pacing benchmark.
    std::chrono::nanoseconds lastLateness() const { return m_lateness; }

private:
    void fire();

    QTimer m_timer;
    QElapsedTimer m_clock;
    std::function<void()> m_due;
    qint64 m_dueAt = 0;  // nanoseconds on m_clock
    std::chrono::nanoseconds m_lateness{0};
    qint64 m_owed = 0;     // nanoseconds of lateness still to make up
    bool m_firing = false; // inside the call that is due: the next start follows on at once
};

} // namespace strhaven

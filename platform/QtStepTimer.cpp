#include "platform/QtStepTimer.h"

#include <algorithm>

namespace strhaven {

QtStepTimer::QtStepTimer()
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { fire(); });
    m_clock.start();
}

qint64 MillisecondRounding::milliseconds(qint64 now, qint64 delay, bool followsOn)
{
    // A new operation owes nothing to the last one.
    const qint64 madeGood = followsOn ? m_rounding : 0;
    m_dueAt = now + delay - madeGood;
    const qint64 milliseconds = (std::max<qint64>(0, m_dueAt - now) + 500'000) / 1'000'000;
    m_rounding = now + milliseconds * 1'000'000 - m_dueAt;
    return milliseconds;
}

void QtStepTimer::start(std::chrono::nanoseconds delay, std::function<void()> due)
{
    m_due = std::move(due);
    m_timer.start(std::chrono::milliseconds(m_rounding.milliseconds(m_clock.nsecsElapsed(), delay.count(), m_firing)));
}

void QtStepTimer::stop()
{
    m_timer.stop();
    m_due = nullptr;
}

void QtStepTimer::fire()
{
    if (!m_due)
        return;
    m_lateness = std::chrono::nanoseconds(m_clock.nsecsElapsed() - m_rounding.dueAt());
    const std::function<void()> due = std::exchange(m_due, nullptr);
    m_firing = true;
    due();
    m_firing = false;
}

} // namespace strhaven

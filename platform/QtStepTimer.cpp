#include "platform/QtStepTimer.h"

#include <algorithm>

namespace strhaven {

using std::chrono::nanoseconds;

namespace {
// The rounding of Qt's timers to whole milliseconds, and no more.
constexpr qint64 MostOwed = 1'000'000;
} // namespace

QtStepTimer::QtStepTimer()
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { fire(); });
    m_clock.start();
}

void QtStepTimer::start(nanoseconds delay, std::function<void()> due)
{
    const qint64 now = m_clock.nsecsElapsed();
    if (!m_firing)
        m_owed = 0; // a new operation owes nothing
    const qint64 madeUp = std::min(m_owed, qint64(delay.count()));
    m_owed -= madeUp;
    m_dueAt = now + delay.count() - madeUp;
    m_due = std::move(due);
    // Whole milliseconds, rounded up: a step never comes early.
    const qint64 wait = m_dueAt - now;
    m_timer.start(std::chrono::milliseconds((wait + 999'999) / 1'000'000));
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
    m_lateness = nanoseconds(std::max<qint64>(0, m_clock.nsecsElapsed() - m_dueAt));
    m_owed = std::min<qint64>(m_owed + m_lateness.count(), MostOwed);
    const std::function<void()> due = std::exchange(m_due, nullptr);
    m_firing = true;
    due();
    m_firing = false;
}

} // namespace strhaven

#include "platform/RealPacer.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

namespace strhaven {

void RealPacer::pause(std::int32_t units)
{
    if (units <= 0)
        return;
    std::this_thread::sleep_for(std::chrono::nanoseconds(static_cast<long long>(units * NanosecondsPerUnit)));
}

void RealPacer::letEventsRun() { QCoreApplication::processEvents(); }

} // namespace strhaven

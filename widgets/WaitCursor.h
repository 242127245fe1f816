#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace strhaven {

// The hourglass for as long as an operation runs, however it ends.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The normal pointer over a box or dialog that asks the player something,
// whatever operation showed it; the pointer that was there comes back when it
// closes. Pushed on the same stack as the hourglass, so nothing else needs to
// know.
class NormalPointer {
public:
    NormalPointer() { QGuiApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalPointer() { QGuiApplication::restoreOverrideCursor(); }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;
};

} // namespace strhaven

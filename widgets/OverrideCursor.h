#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace strhaven {

// A pointer shape over the whole program for as long as the guard lives,
// however the scope ends: the hourglass while an operation runs, the normal
// pointer over a box or dialog that asks the player something whatever
// operation showed it. Guards nest on Qt's stack of override cursors, so
// the pointer before comes back when each one goes.
class OverrideCursor {
public:
    explicit OverrideCursor(Qt::CursorShape shape) { QGuiApplication::setOverrideCursor(shape); }
    ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

} // namespace strhaven

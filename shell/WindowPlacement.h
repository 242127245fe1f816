#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

namespace strhaven {

// Where a window of this frame may go so that the player can reach it: left
// where it is when it lies wholly on one screen; otherwise moved onto the
// screen it overlaps most, or, off every screen, onto the nearest one, as far
// as needed to lie wholly on it (top-left first when it is larger).
QPoint keptOnScreen(const QRect& frame, const QList<QRect>& screens);

// Whether windows may place themselves on this platform (Qt's platform
// name). A Wayland compositor places every window itself and tells a client
// nothing of where: the stored position is neither applied nor overwritten.
bool canPlaceWindows(const QString& platformName);
bool canPlaceWindows();

// The areas of the screens there are now, less task bars and panels.
QList<QRect> availableScreenAreas();

} // namespace strhaven

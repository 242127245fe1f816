#include "shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace strhaven {

namespace {

qint64 overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

// How far apart two rectangles are (0 when they touch or overlap).
qint64 gap(const QRect& a, const QRect& b)
{
    const qint64 dx = std::max({qint64(0), qint64(b.left()) - a.right(), qint64(a.left()) - b.right()});
    const qint64 dy = std::max({qint64(0), qint64(b.top()) - a.bottom(), qint64(a.top()) - b.bottom()});
    return dx * dx + dy * dy;
}

int clampedStart(int start, int length, int areaStart, int areaLength)
{
    // A window larger than the area keeps its top-left edge (title bar, menu) in view.
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

bool canPlaceWindows(const QString& platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"));
}

bool canPlaceWindows() { return canPlaceWindows(QGuiApplication::platformName()); }

QPoint keptOnScreen(const QRect& frame, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return frame.topLeft();
    const QRect* best = &screens.front();
    qint64 bestOverlap = -1;
    qint64 bestGap = std::numeric_limits<qint64>::max();
    for (const QRect& area : screens) {
        const qint64 o = overlap(frame, area);
        const qint64 g = gap(frame, area);
        if (o > bestOverlap || (o == 0 && bestOverlap == 0 && g < bestGap)) {
            best = &area;
            bestOverlap = o;
            bestGap = g;
        }
    }
    return {clampedStart(frame.left(), frame.width(), best->left(), best->width()),
            clampedStart(frame.top(), frame.height(), best->top(), best->height())};
}

QList<QRect> availableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

} // namespace strhaven

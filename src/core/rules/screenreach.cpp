// SPDX-License-Identifier: MIT
#include "core/rules/screenreach.h"

#include <algorithm>
#include <limits>

namespace {
// How far apart two rectangles lie: 0 when they touch or overlap.
qint64 gap(const QRect &a, const QRect &b)
{
    const qint64 dx = std::max({qint64(b.left()) - a.right(), qint64(a.left()) - b.right(), 0LL});
    const qint64 dy = std::max({qint64(b.top()) - a.bottom(), qint64(a.top()) - b.bottom(), 0LL});
    return dx * dx + dy * dy;
}

// @p start moved the least that puts @p length from it inside [low, low + room),
// or onto low where it is longer than that.
int clamped(int start, int length, int low, int room)
{
    if (length >= room)
        return low;
    return std::clamp(start, low, low + room - length);
}
} // namespace

bool ScreenReach::isReachable(const QRect &window, const QList<QRect> &screens)
{
    const int wide = std::min(minimumShown, window.width());
    const int high = std::min(minimumShown, window.height());
    return std::any_of(screens.begin(), screens.end(), [&](const QRect &screen) {
        const QRect shown = window.intersected(screen);
        return shown.width() >= wide && shown.height() >= high;
    });
}

QPoint ScreenReach::reachable(const QRect &window, const QList<QRect> &screens)
{
    if (screens.isEmpty() || isReachable(window, screens))
        return window.topLeft();
    const QRect *nearest = &screens.first();
    qint64 nearestGap = std::numeric_limits<qint64>::max();
    for (const QRect &screen : screens) {
        const qint64 distance = gap(window, screen);
        if (distance < nearestGap) {
            nearest = &screen;
            nearestGap = distance;
        }
    }
    return {clamped(window.left(), window.width(), nearest->left(), nearest->width()),
            clamped(window.top(), window.height(), nearest->top(), nearest->height())};
}

QPoint ScreenReach::cascaded(int index, const QSize &size, const QRect &screen)
{
    const int across = (screen.width() - size.width()) / cascadeStep;
    const int down = (screen.height() - size.height()) / cascadeStep;
    const int steps = std::max(0, std::min(across, down)) + 1;
    const int step = std::max(0, index) % steps;
    return screen.topLeft() + QPoint(step, step) * cascadeStep;
}

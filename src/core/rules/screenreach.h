// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

/**
 * Where windows go so that the user can always reach them, in pixels of the
 * desktop: a window that shows too little of itself on every screen (after a
 * monitor was unplugged, say) is brought onto the nearest one, and windows
 * gathered on one screen are cascaded over it.
 */
namespace ScreenReach {
/** How much of a window, a side, a screen must show for the user to grab it. */
constexpr int minimumShown = 48;
/** How far each gathered window stands from the one before it, down and right. */
constexpr int cascadeStep = 20;

/** Whether some screen of @p screens shows enough of @p window to grab it. */
bool isReachable(const QRect &window, const QList<QRect> &screens);

/**
 * The top-left corner that brings @p window onto the screen nearest to it,
 * wholly where it fits and with its top-left corner on the screen where it
 * does not; its own corner when it can already be reached or there is no screen.
 */
QPoint reachable(const QRect &window, const QList<QRect> &screens);

/**
 * The top-left corner of the window at @p index of windows of @p size
 * cascaded over @p screen: each one step further down and right, starting
 * again at the screen's corner when the next would not fit.
 */
QPoint cascaded(int index, const QSize &size, const QRect &screen);
} // namespace ScreenReach

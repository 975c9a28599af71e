// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

class QWidget;

/**
 * Where a top-level window really stands on the screen.
 */
namespace WindowPosition {
/**
 * The top-left corner of @p window's contents in screen coordinates, as
 * the window system has it; what the toolkit knows where it cannot be asked.
 */
QPoint of(const QWidget *window);
} // namespace WindowPosition

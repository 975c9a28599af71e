// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

/**
 * What the window system is told about where a note lives on the desktop,
 * beyond the toolkit's window flags.
 */
namespace DeskWindow {
/**
 * Lets the pointer pass through @p window when @p on (its clicks, wheel
 * and drops go to whatever is below, while the window still shows), or
 * stops it there again. The window must have been created; a window
 * manager's frame made since (the window mapped anew) needs it again.
 */
void passPointer(QWidget *window, bool on);
/**
 * Makes @p window, created and about to be mapped, a window of the desktop
 * itself: the window manager keeps it below every window, out of the
 * taskbar and the pager, and shows it when it shows the desktop. The
 * toolkit gives it its own type again when its flags change.
 */
void markAsDesktop(QWidget *window);
} // namespace DeskWindow

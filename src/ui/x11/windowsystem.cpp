// SPDX-License-Identifier: MIT
#include "ui/desktop/windowsystem.h"

#include <QByteArray>

void WindowSystem::choose()
{
    // Notes place themselves on the screen, which Wayland forbids; they run
    // on X11 (XWayland on a Wayland desktop) unless the user chose otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

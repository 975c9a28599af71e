// SPDX-License-Identifier: MIT
#include "ui/x11/nativewindow.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

NativeWindow NativeWindow::of(const QWidget *widget)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    const QWindow *handle = widget->windowHandle();
    // Off X (another platform plugin) the interface is there without a connection.
    if (!x11 || !x11->connection() || !handle || !handle->handle())
        return {};
    return {x11->connection(), static_cast<xcb_window_t>(handle->winId())};
}

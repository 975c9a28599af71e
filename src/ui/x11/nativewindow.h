// SPDX-License-Identifier: MIT
#pragma once

#include <xcb/xcb.h>

class QWidget;

/**
 * The X connection and the X window that show a top-level widget now. The
 * toolkit makes a window's X window anew when its layer changes, and the
 * widget's own id then still names the old one.
 */
struct NativeWindow
{
    xcb_connection_t *connection = nullptr;
    xcb_window_t window = XCB_WINDOW_NONE;

    /** None off X, or before the widget's window has been made. */
    static NativeWindow of(const QWidget *widget);
    explicit operator bool() const { return connection && window != XCB_WINDOW_NONE; }
};

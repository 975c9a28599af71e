// SPDX-License-Identifier: MIT
#include "ui/desktop/windowposition.h"

#include "ui/x11/nativewindow.h"

#include <QWidget>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {
// WORKAROUND: while a window manager reparents a newly mapped window, the
// toolkit may ask the server for the window's place before the frame has
// been moved there, and keep 0, 0 when the manager sends no further notice.
// The window is where it belongs; only the cached position is wrong. Asking
// the server again gives the place the user sees, which is what a note keeps.
std::optional<QPoint> askServer(const QWidget *window)
{
    const NativeWindow native = NativeWindow::of(window);
    if (!native)
        return std::nullopt;
    xcb_connection_t *connection = native.connection;
    const xcb_window_t window32 = native.window;
    XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window32), nullptr),
        &std::free);
    if (!tree)
        return std::nullopt;
    XcbReply<xcb_translate_coordinates_reply_t> place(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, window32, tree->root, 0, 0), nullptr),
        &std::free);
    if (!place)
        return std::nullopt;
    const qreal ratio = window->devicePixelRatioF();
    return QPoint(int(std::lround(place->dst_x / ratio)), int(std::lround(place->dst_y / ratio)));
}
} // namespace

QPoint WindowPosition::of(const QWidget *window)
{
    return askServer(window).value_or(window->pos());
}

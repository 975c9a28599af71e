// SPDX-License-Identifier: MIT
#include "ui/desktop/deskwindow.h"

#include "ui/x11/nativewindow.h"

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace {
constexpr const char *typeNames[] = {"_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DESKTOP"};

// The window that holds @p window, or none when that is the root.
xcb_window_t holder(xcb_connection_t *connection, xcb_window_t window)
{
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free);
    if (!tree || tree->parent == tree->root)
        return XCB_WINDOW_NONE;
    return tree->parent;
}

void setInputRegion(xcb_connection_t *connection, xcb_window_t window, bool empty)
{
    if (empty)
        xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT,
                             XCB_CLIP_ORDERING_UNSORTED, window, 0, 0, 0, nullptr);
    else
        xcb_shape_mask(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, window, 0, 0,
                       XCB_PIXMAP_NONE);
}
} // namespace

// WORKAROUND: the toolkit's flag for input transparency empties the input
// region of the note's own window only, and a window manager's frame around
// it (one frames even a window without decorations) still takes the click.
// The input region of the window and of each window that holds it, up to
// the root, is emptied here, and made whole again to stop the pointer there.
void DeskWindow::passPointer(QWidget *window, bool on)
{
    const NativeWindow native = NativeWindow::of(window);
    xcb_connection_t *connection = native.connection;
    if (!native)
        return;
    const xcb_query_extension_reply_t *shape = xcb_get_extension_data(connection, &xcb_shape_id);
    if (!shape || !shape->present)
        return;
    for (xcb_window_t current = native.window; current != XCB_WINDOW_NONE;
         current = holder(connection, current))
        setInputRegion(connection, current, on);
    xcb_flush(connection);
}

// WORKAROUND: the toolkit's attribute for the desktop's window type does
// not reach a window of this toolkit version; the type is set here, on the
// window the toolkit has just made or flagged anew, before it is mapped.
void DeskWindow::markAsDesktop(QWidget *window)
{
    const NativeWindow native = NativeWindow::of(window);
    xcb_connection_t *connection = native.connection;
    if (!native)
        return;
    static const auto types = NativeWindow::atoms(connection, typeNames);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, native.window, types[0], XCB_ATOM_ATOM,
                        32, 1, &types[1]);
    xcb_flush(connection);
}

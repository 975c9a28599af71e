// SPDX-License-Identifier: MIT
#include "barewindow.h"

#include <QWidget>

#ifdef QUILLNOTE_XCB
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {
xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}
} // namespace

// WORKAROUND: Qt's X11 windows fall back to the application's name for an
// empty title and to the style's icon for none; the properties are removed
// from the window itself, which Qt sets again only when they change.
void BareWindow::clearCaptionAndIcon(QWidget *window)
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    const WId id = window->internalWinId();
    if (!x11 || !id)
        return;
    xcb_connection_t *connection = x11->connection();
    const auto window32 = static_cast<xcb_window_t>(id);
    for (const char *name : {"_NET_WM_NAME", "_NET_WM_ICON_NAME", "_NET_WM_ICON", "WM_ICON_NAME"})
        xcb_delete_property(connection, window32, atom(connection, name));
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window32, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection);
}
#else
void BareWindow::clearCaptionAndIcon(QWidget *) {}
#endif

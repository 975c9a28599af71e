// SPDX-License-Identifier: MIT
#include "ui/desktop/barewindow.h"

#include "ui/x11/nativewindow.h"

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {
constexpr const char *bareNames[] = {"_NET_WM_NAME", "_NET_WM_ICON_NAME", "_NET_WM_ICON",
                                     "WM_ICON_NAME"};
constexpr std::size_t bareCount = std::size(bareNames);

// The properties' atoms, asked of the server once: every note shows through here.
const std::array<xcb_atom_t, bareCount> &bareAtoms(xcb_connection_t *connection)
{
    static const std::array<xcb_atom_t, bareCount> atoms = [connection] {
        std::array<xcb_intern_atom_cookie_t, bareCount> cookies{};
        for (std::size_t i = 0; i < bareCount; ++i)
            cookies[i] = xcb_intern_atom(
                connection, 0, static_cast<uint16_t>(std::strlen(bareNames[i])), bareNames[i]);
        std::array<xcb_atom_t, bareCount> result{};
        for (std::size_t i = 0; i < bareCount; ++i) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
            result[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
        }
        return result;
    }();
    return atoms;
}
} // namespace

// WORKAROUND: Qt's X11 windows fall back to the application's name for an
// empty title and to the style's icon for none; the properties are removed
// from the window itself, which Qt sets again only when they change.
void BareWindow::clearCaptionAndIcon(QWidget *window)
{
    const NativeWindow native = NativeWindow::of(window);
    if (!native)
        return;
    for (const xcb_atom_t atom : bareAtoms(native.connection))
        xcb_delete_property(native.connection, native.window, atom);
    xcb_change_property(native.connection, XCB_PROP_MODE_REPLACE, native.window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(native.connection);
}

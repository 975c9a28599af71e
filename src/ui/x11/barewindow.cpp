// SPDX-License-Identifier: MIT
#include "ui/desktop/barewindow.h"

#include "ui/x11/nativewindow.h"

#include <xcb/xcb.h>

namespace {
constexpr const char *bareNames[] = {"_NET_WM_NAME", "_NET_WM_ICON_NAME", "_NET_WM_ICON",
                                     "WM_ICON_NAME"};
} // namespace

// WORKAROUND: Qt's X11 windows fall back to the application's name for an
// empty title and to the style's icon for none; the properties are removed
// from the window itself, which Qt sets again only when they change.
void BareWindow::clearCaptionAndIcon(QWidget *window)
{
    const NativeWindow native = NativeWindow::of(window);
    if (!native)
        return;
    // Asked of the server once: every note shows through here.
    static const auto bareAtoms = NativeWindow::atoms(native.connection, bareNames);
    for (const xcb_atom_t atom : bareAtoms)
        xcb_delete_property(native.connection, native.window, atom);
    xcb_change_property(native.connection, XCB_PROP_MODE_REPLACE, native.window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(native.connection);
}

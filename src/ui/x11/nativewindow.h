// SPDX-License-Identifier: MIT
#pragma once

#include <xcb/xcb.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>

/** A reply of the X server, freed as xcb asks. */
template <typename Reply> using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

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

    /** The atoms of @p names, asked of the server in one round; none for a name it refused. */
    template <std::size_t count>
    static std::array<xcb_atom_t, count> atoms(xcb_connection_t *connection,
                                               const char *const (&names)[count])
    {
        std::array<xcb_intern_atom_cookie_t, count> cookies{};
        for (std::size_t i = 0; i < count; ++i)
            cookies[i] = xcb_intern_atom(connection, 0,
                                         static_cast<uint16_t>(std::strlen(names[i])), names[i]);
        std::array<xcb_atom_t, count> result{};
        for (std::size_t i = 0; i < count; ++i) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
            result[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
        }
        return result;
    }
};

#pragma once
// Test helpers for real X11 windows (the tests that run under Xvfb): closing a window as a window
// manager's close button does, the process that owns a window, and typing a key into a window.

#include "FindWindow.h"

#include <QtGlobal>

#include <xcb/xcb.h>

#include <cstdlib>

inline xcb_atom_t X11Atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return atom;
}

// Sends the window a WM_PROTOCOLS / WM_DELETE_WINDOW client message. A window that has only just
// appeared may not take the request yet, so callers repeat it until the window is gone.
inline void CloseX11Window(WindowHandle window)
{
    if (window == 0)
        return;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window);
    event.type = X11Atom(c, "WM_PROTOCOLS");
    event.data.data32[0] = X11Atom(c, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, xcb_window_t(window), XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    xcb_disconnect(c);
}

// The _NET_WM_PID of the window (set by Qt on its top-level windows), or 0.
inline qint64 X11WindowPid(WindowHandle window)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    qint64 pid = 0;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, xcb_window_t(window), X11Atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1), nullptr);
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
        pid = *static_cast<const uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    xcb_disconnect(c);
    return pid;
}

// The first top-level window titled exactly `title` whose owner is process `pid`, or 0.
inline WindowHandle FindX11Window(const QString& title, qint64 pid)
{
    return FindExact(title, [pid](WindowHandle handle) { return X11WindowPid(handle) == pid; });
}

// Types one key into the window: a key press and a key release of the key that carries `keysym`
// (0xff50 Home, 0xff0d Return), sent as the server would deliver them. The window's focused widget
// gets it. Returns false when no key of the keyboard carries the keysym.
inline bool PressX11Key(WindowHandle window, uint32_t keysym)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_setup_t* setup = xcb_get_setup(c);
    const uint8_t count = uint8_t(setup->max_keycode - setup->min_keycode + 1);
    xcb_get_keyboard_mapping_reply_t* map
        = xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, count), nullptr);
    xcb_keycode_t keycode = 0;
    if (map) {
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
        for (int k = 0; k < count && keycode == 0; ++k)
            if (syms[k * map->keysyms_per_keycode] == keysym)
                keycode = xcb_keycode_t(setup->min_keycode + k);
    }
    std::free(map);
    if (keycode != 0) {
        for (const uint8_t type : {uint8_t(XCB_KEY_PRESS), uint8_t(XCB_KEY_RELEASE)}) {
            xcb_key_press_event_t event{};
            event.response_type = type;
            event.detail = keycode;
            event.time = XCB_CURRENT_TIME;
            event.root = xcb_setup_roots_iterator(setup).data->root;
            event.event = xcb_window_t(window);
            event.same_screen = 1;
            xcb_send_event(c, 0, xcb_window_t(window),
                           type == XCB_KEY_PRESS ? XCB_EVENT_MASK_KEY_PRESS : XCB_EVENT_MASK_KEY_RELEASE,
                           reinterpret_cast<const char*>(&event));
        }
        xcb_flush(c);
    }
    xcb_disconnect(c);
    return keycode != 0;
}

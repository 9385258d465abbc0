#pragma once
// The list of top-level windows and their titles, which the simulator monitor searches for the
// simulator's window.
//
// Windows: every top-level window (hidden ones too) with the title GetWindowTextA gives.
// Linux with an X display: the X11 top-level windows (the root's children, the client windows a
// window manager frames inside them, and _NET_CLIENT_LIST) with _NET_WM_NAME, else WM_NAME.
// Linux without an X display (no DISPLAY, or the server cannot be reached): the running processes,
// each "titled" with its command name, so a simulator running headless or under a Wayland-only
// session is still seen.

#include <QString>

#include <functional>

// A window handle (HWND, X11 window id) or, for the process list, the process id. Never 0.
using WindowHandle = qint64;

// Titles are cut to this many characters, as a fixed title buffer of 512 characters would.
inline constexpr int kMaxWindowTitleLength = 511;

// Calls visit(handle, title) for every top-level window in the order the system lists them, and
// stops as soon as visit returns false. Windows without a title are reported with an empty one.
void EnumTopLevelWindows(const std::function<bool(WindowHandle handle, const QString& title)>& visit);

// The process list on its own (Linux: /proc), as used when there is no X display: one entry per
// running process, titled with the file name of the program it runs (argv[0] without its folder,
// "/" and "\" both taken as separators, since Wine shows a Windows path there), else its
// /proc/<pid>/comm name. Empty on systems without /proc.
void EnumRunningProcesses(const std::function<bool(WindowHandle pid, const QString& commandName)>& visit);

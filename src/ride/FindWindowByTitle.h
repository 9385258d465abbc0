#pragma once
// Finding a top-level window by part of its title, as the simulator monitor does once a second.

#include "platform/WindowList.h"

#include <QString>

// The handle of the first top-level window (hidden ones included) whose title contains text,
// ignoring letter case, or 0 when there is none. Without an X display on Linux the running
// processes stand in for the windows (see platform/WindowList.h).
WindowHandle FindWindowByTitle(const QString& text);

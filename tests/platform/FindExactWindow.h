#pragma once
// Test helper: the first top-level window (or, without a display, process) whose title is exactly
// `title`, or 0.

#include "platform/WindowList.h"

#include <QString>

inline WindowHandle FindExact(const QString& title)
{
    WindowHandle found = 0;
    EnumTopLevelWindows([&](WindowHandle handle, const QString& t) {
        if (t != title)
            return true;
        found = handle;
        return false;
    });
    return found;
}

#pragma once
// Test helper: the first top-level window (or, without a display, process) whose title is exactly
// `title` and which `accept` takes (any, when not given), or 0.

#include "platform/WindowList.h"

#include <QString>

#include <functional>

inline WindowHandle FindExact(const QString& title, const std::function<bool(WindowHandle)>& accept = {})
{
    WindowHandle found = 0;
    EnumTopLevelWindows([&](WindowHandle handle, const QString& t) {
        if (t != title || (accept && !accept(handle)))
            return true;
        found = handle;
        return false;
    });
    return found;
}

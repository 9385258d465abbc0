#include "ride/FindWindowByTitle.h"

WindowHandle FindWindowByTitle(const QString& text)
{
    WindowHandle found = 0;
    EnumTopLevelWindows([&](WindowHandle handle, const QString& title) {
        if (!title.contains(text, Qt::CaseInsensitive))
            return true;
        found = handle;
        return false;
    });
    return found;
}

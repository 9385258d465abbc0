// Top-level windows through EnumWindows and GetWindowTextA.

#include "platform/WindowList.h"

#include "platform/NarrowText.h"

#include <windows.h>

#include <tlhelp32.h>

namespace {

struct Enumeration {
    const std::function<bool(WindowHandle, const QString&)>* visit;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM context)
{
    const auto* e = reinterpret_cast<const Enumeration*>(context);
    char title[kMaxWindowTitleLength + 1] = {};
    const int length = GetWindowTextA(window, title, sizeof title);
    return (*e->visit)(reinterpret_cast<WindowHandle>(window), FromNarrowText(title, length > 0 ? length : 0))
               ? TRUE
               : FALSE;
}

} // namespace

void EnumTopLevelWindows(const std::function<bool(WindowHandle, const QString&)>& visit)
{
    Enumeration e{&visit};
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&e));
}

void EnumRunningProcesses(const std::function<bool(WindowHandle, const QString&)>& visit)
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == 0)
            continue;
        if (!visit(WindowHandle(entry.th32ProcessID), QString::fromWCharArray(entry.szExeFile)))
            break;
    }
    CloseHandle(snapshot);
}

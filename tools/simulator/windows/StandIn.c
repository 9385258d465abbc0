/* A stand-in Trakora program as a real Windows program, for rides through Wine: it shows a window
 * titled "TrakoraSimulator - <track file name>", writes its command line exactly as Windows hands
 * it over (GetCommandLineW, as UTF-8) to "<name>.cmdline.txt" beside itself, the folder it was
 * started in (GetCurrentDirectoryW) to "<name>.folder.txt", and closes on WM_CLOSE, or by itself
 * TRAKORA_STANDIN_RIDE_MS milliseconds after its window shows.
 * STANDIN_NAME (TrakoraSimulator, TrakoraEditor, TrakoraTerraformer) is fixed when it is built. */

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <shellapi.h>
#include <stdlib.h>
#include <wchar.h>

#define WIDE_TEXT2(x) L## #x
#define WIDE_TEXT(x) WIDE_TEXT2(x)
#define NAME WIDE_TEXT(STANDIN_NAME)

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

/* Writes text as UTF-8 to "<name><suffix>" in the program's own folder. */
static void WriteBesideProgram(const wchar_t* suffix, const wchar_t* text)
{
    wchar_t path[MAX_PATH + 64];
    DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\' && path[length - 1] != L'/')
        --length;
    path[length] = 0;
    wcscat(path, NAME);
    wcscat(path, suffix);
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, NULL, 0, NULL, NULL);
    char* utf8 = malloc(size > 0 ? (size_t)size : 1);
    if (utf8 == NULL || size <= 0)
        return;
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, size, NULL, NULL);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, utf8, (DWORD)(size - 1), &written, NULL);
        CloseHandle(file);
    }
    free(utf8);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR arguments, int show)
{
    (void)previous;
    (void)arguments;
    const wchar_t* commandLine = GetCommandLineW();
    WriteBesideProgram(L".cmdline.txt", commandLine);
    wchar_t folder[MAX_PATH];
    if (GetCurrentDirectoryW(MAX_PATH, folder) > 0)
        WriteBesideProgram(L".folder.txt", folder);

    /* The track is the last argument ("-s <track>" for the simulator, "<track>" for the others). */
    wchar_t title[1024];
    wcscpy(title, NAME);
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(commandLine, &count);
    if (argv != NULL && count > 1) {
        const wchar_t* track = argv[count - 1];
        for (const wchar_t* c = track; *c; ++c)
            if (*c == L'\\' || *c == L'/')
                track = c + 1;
        wcscat(title, L" - ");
        wcsncat(title, track, 1024 - wcslen(title) - 1);
    }
    LocalFree(argv);

    WNDCLASSW windowClass = {0};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    windowClass.lpszClassName = NAME;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, NAME, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480, 320,
                                  NULL, NULL, instance, NULL);
    if (window == NULL)
        return 1;
    ShowWindow(window, show);

    wchar_t rideMs[32];
    if (GetEnvironmentVariableW(L"TRAKORA_STANDIN_RIDE_MS", rideMs, 32) > 0)
        SetTimer(window, 1, (UINT)_wtoi(rideMs), NULL);

    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

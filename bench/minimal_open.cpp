// The yardstick for opening a file under Wine: the least a Win32 program can do to show a file.
// It creates a window (the system's default size and the standard application icon, as
// Kestrel's frame has at its first start), takes one buffer from VirtualAlloc (whose pages are
// zero already, so nothing fills them), reads the whole file with one ReadFile, counts its line
// feeds, shows the count in its title and waits to be closed. Kestrel's open time is compared
// with this one's, measured the same way in the same run. It marks its start-up phases with
// Kestrel's own clock, so that with KESTREL_STARTUP_LOG set the two start-ups can be set side
// by side.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>

#include "platform/startup_clock.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    kestrel::StartupMark("process start to first code");
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "MinimalOpen";
    RegisterClassA(&windowClass);
    HWND hwnd = CreateWindowA("MinimalOpen", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              instance, nullptr);
    kestrel::StartupMark("window created and shown");
    unsigned long lineFeeds = 0;
    HANDLE file = CreateFileA(commandLine, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD size = GetFileSize(file, nullptr);
        char* data = static_cast<char*>(
            VirtualAlloc(nullptr, size + 16, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD read = 0;
        if (data != nullptr && ReadFile(file, data, size, &read, nullptr)) {
            for (DWORD i = 0; i < read; ++i) {
                lineFeeds += data[i] == '\n';
            }
        }
        CloseHandle(file);
    }
    char title[64];
    std::snprintf(title, sizeof(title), "%lu line feeds", lineFeeds);
    SetWindowTextA(hwnd, title);
    kestrel::StartupFinished("read, line feeds counted, title set");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

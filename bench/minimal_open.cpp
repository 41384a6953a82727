// The yardstick for opening a file under Wine: a minimal Win32 program that creates a window,
// reads the named file with one read call, shows the byte count in its title and waits to be
// closed. Kestrel's open time is compared with this one's, measured the same way.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <vector>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "MinimalOpen";
    RegisterClassA(&windowClass);
    HWND hwnd = CreateWindowA("MinimalOpen", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                              300, nullptr, nullptr, instance, nullptr);
    HANDLE file = CreateFileA(commandLine, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD size = file != INVALID_HANDLE_VALUE ? GetFileSize(file, nullptr) : 0;
    std::vector<char> data(static_cast<std::size_t>(size) + 16);
    DWORD read = 0;
    if (file != INVALID_HANDLE_VALUE) {
        ReadFile(file, data.data(), size, &read, nullptr);
        CloseHandle(file);
    }
    char title[64];
    std::snprintf(title, sizeof(title), "read %lu", static_cast<unsigned long>(read));
    SetWindowTextA(hwnd, title);
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

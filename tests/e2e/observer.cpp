// A small Win32 console program that end-to-end tests run in the same Wine prefix as the
// editor, to see what a user would see: which windows are up, their titles, status-bar texts.
//
//   observer wait-window CLASS TITLE TIMEOUT_MS   wait for a visible top-level window
//                                                  ("-" as TITLE matches any); print its title
//   observer wait-active CLASS TITLE TIMEOUT_MS   wait until that window is the active one
//   observer wait-gone CLASS TIMEOUT_MS            wait until no such window is visible
//   observer status PANE TIMEOUT_MS EXPECTED       wait until the frame's status pane shows
//                                                  EXPECTED ("-" prints the text once)
//   observer zoomed CLASS                          print 1 when the window is maximised, else 0
//   observer maximise CLASS                        maximise the window, as its caption box would
//   observer list                                  print every visible top-level window
//   observer view-rect                             print the editor's text area on the screen:
//                                                  left top width height
//   observer click CLASS TEXT                      press the button TEXT of that window
//   observer wait-button CLASS TEXT TIMEOUT_MS     wait until that window has a button TEXT
//   observer select-row CLASS INDEX                select row INDEX of the window's list box
//   observer list-row CLASS INDEX                  print row INDEX of the window's list box
//   observer list-count CLASS                      print the number of rows of that list box
//   observer popup-width TIMEOUT_MS                wait for an open popup menu; print its width
//   observer set-item TITLE ID TEXT                put TEXT into control ID of dialog TITLE
//   observer item-text TITLE ID                    print the text of control ID of dialog TITLE
//   observer checked TITLE ID                      print 1 when that button is checked, else 0
//   observer combo-item TITLE ID INDEX             select item INDEX of combo box ID; print it
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Search {
    const char* className;
    const char* title; // null: any
    HWND found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM l) {
    auto* search = reinterpret_cast<Search*>(l);
    char className[256] = "";
    char title[512] = "";
    GetClassNameA(hwnd, className, static_cast<int>(std::size(className)));
    GetWindowTextA(hwnd, title, static_cast<int>(std::size(title)));
    if (IsWindowVisible(hwnd) && std::strcmp(className, search->className) == 0 &&
        (search->title == nullptr || std::strcmp(title, search->title) == 0)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(const char* className, const char* title) {
    Search search{className, title, nullptr};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK PrintWindow(HWND hwnd, LPARAM) {
    if (IsWindowVisible(hwnd)) {
        char className[256] = "";
        char title[512] = "";
        GetClassNameA(hwnd, className, static_cast<int>(std::size(className)));
        GetWindowTextA(hwnd, title, static_cast<int>(std::size(title)));
        std::printf("%s\t%s\n", className, title);
    }
    return TRUE;
}

// Reads a status pane of another process's status bar through memory of that process.
bool ReadStatusPane(HWND bar, int pane, std::string& text) {
    DWORD processId = 0;
    GetWindowThreadProcessId(bar, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                 processId);
    if (process == nullptr) {
        return false;
    }
    const SIZE_T size = 1024;
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    bool ok = false;
    if (remote != nullptr) {
        LRESULT info = SendMessageA(bar, SB_GETTEXTLENGTHA, pane, 0);
        if (LOWORD(info) < size) {
            SendMessageA(bar, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(remote));
            char buffer[size] = "";
            SIZE_T read = 0;
            if (ReadProcessMemory(process, remote, buffer, size - 1, &read)) {
                buffer[size - 1] = 0;
                text = buffer;
                ok = true;
            }
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return ok;
}

int WaitWindow(const char* className, const char* title, int timeout) {
    const char* wanted = std::strcmp(title, "-") == 0 ? nullptr : title;
    for (int waited = 0; waited <= timeout; waited += 50) {
        if (HWND hwnd = FindTopLevel(className, wanted)) {
            char text[512] = "";
            GetWindowTextA(hwnd, text, static_cast<int>(std::size(text)));
            std::printf("%s\n", text);
            return 0;
        }
        Sleep(50);
    }
    std::printf("timeout waiting for window %s \"%s\"\n", className, title);
    return 1;
}

int WaitActive(const char* className, const char* title, int timeout) {
    const char* wanted = std::strcmp(title, "-") == 0 ? nullptr : title;
    for (int waited = 0; waited <= timeout; waited += 50) {
        HWND hwnd = FindTopLevel(className, wanted);
        if (hwnd != nullptr && GetForegroundWindow() == hwnd) {
            return 0;
        }
        Sleep(50);
    }
    std::printf("timeout waiting for %s \"%s\" to be active\n", className, title);
    return 1;
}

int WaitGone(const char* className, int timeout) {
    for (int waited = 0; waited <= timeout; waited += 50) {
        if (FindTopLevel(className, nullptr) == nullptr) {
            return 0;
        }
        Sleep(50);
    }
    std::printf("timeout: window %s still up\n", className);
    return 1;
}

int Status(int pane, int timeout, const char* expected) {
    std::string text;
    for (int waited = 0; waited <= timeout; waited += 50) {
        HWND frame = FindTopLevel("MainClass", nullptr);
        HWND bar = frame != nullptr ? FindWindowExA(frame, nullptr, STATUSCLASSNAMEA, nullptr)
                                    : nullptr;
        if (bar != nullptr && ReadStatusPane(bar, pane, text)) {
            if (std::strcmp(expected, "-") == 0) {
                std::printf("%s\n", text.c_str());
                return 0;
            }
            if (text == expected) {
                return 0;
            }
        }
        Sleep(50);
    }
    std::printf("status pane %d shows \"%s\", expected \"%s\"\n", pane, text.c_str(), expected);
    return 1;
}

struct ChildSearch {
    const char* className;
    const char* text; // null: any
    HWND found;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM l) {
    auto* search = reinterpret_cast<ChildSearch*>(l);
    char className[256] = "";
    char text[512] = "";
    GetClassNameA(hwnd, className, static_cast<int>(std::size(className)));
    GetWindowTextA(hwnd, text, static_cast<int>(std::size(text)));
    if (_stricmp(className, search->className) == 0 &&
        (search->text == nullptr || std::strcmp(text, search->text) == 0)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The child of a visible top-level window of CLASS, or null (with a message).
HWND FindControl(const char* topClass, const char* childClass, const char* text) {
    HWND top = FindTopLevel(topClass, nullptr);
    if (top == nullptr) {
        std::printf("no window %s\n", topClass);
        return nullptr;
    }
    ChildSearch search{childClass, text, nullptr};
    EnumChildWindows(top, FindChild, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
        std::printf("no %s \"%s\" in %s\n", childClass, text != nullptr ? text : "", topClass);
    }
    return search.found;
}

// Lets the button's own thread press it; the observer does not wait for what follows (a
// modal question, say).
int Click(const char* topClass, const char* text) {
    HWND button = FindControl(topClass, "Button", text);
    if (button == nullptr) {
        return 1;
    }
    if (!IsWindowEnabled(button)) {
        std::printf("button \"%s\" is disabled\n", text);
        return 1;
    }
    PostMessageA(button, BM_CLICK, 0, 0);
    return 0;
}

int WaitButton(const char* topClass, const char* text, int timeout) {
    for (int waited = 0; waited <= timeout; waited += 50) {
        HWND top = FindTopLevel(topClass, nullptr);
        ChildSearch search{"Button", text, nullptr};
        if (top != nullptr) {
            EnumChildWindows(top, FindChild, reinterpret_cast<LPARAM>(&search));
        }
        if (search.found != nullptr) {
            return 0;
        }
        Sleep(50);
    }
    std::printf("timeout waiting for button \"%s\" in %s\n", text, topClass);
    return 1;
}

int ListBoxCommand(const std::string& command, const char* topClass, int index) {
    HWND list = FindControl(topClass, "ListBox", nullptr);
    if (list == nullptr) {
        return 1;
    }
    if (command == "select-row") {
        return SendMessageA(list, LB_SETCURSEL, index, 0) == LB_ERR ? 1 : 0;
    }
    if (command == "list-count") {
        std::printf("%d\n", static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)));
        return 0;
    }
    // Wine hands the text of another process's list box over in its wide form.
    wchar_t wide[1024] = L"";
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR || length >= static_cast<LRESULT>(std::size(wide)) ||
        SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide)) == LB_ERR) {
        std::printf("no row %d\n", index);
        return 1;
    }
    char text[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, static_cast<int>(std::size(text)), nullptr,
                        nullptr);
    std::printf("%s\n", text);
    return 0;
}

// Another process's menu items cannot be read under Wine, but the width of an open popup menu
// follows its widest item text.
int PopupWidth(int timeout) {
    for (int waited = 0; waited <= timeout; waited += 50) {
        if (HWND popup = FindTopLevel("#32768", nullptr)) {
            RECT r;
            GetWindowRect(popup, &r);
            std::printf("%ld\n", static_cast<long>(r.right - r.left));
            return 0;
        }
        Sleep(50);
    }
    std::printf("timeout waiting for a popup menu\n");
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "wait-window" && argc == 5) {
        return WaitWindow(argv[2], argv[3], std::atoi(argv[4]));
    }
    if (command == "wait-active" && argc == 5) {
        return WaitActive(argv[2], argv[3], std::atoi(argv[4]));
    }
    if (command == "wait-gone" && argc == 4) {
        return WaitGone(argv[2], std::atoi(argv[3]));
    }
    if (command == "status" && argc == 5) {
        return Status(std::atoi(argv[2]), std::atoi(argv[3]), argv[4]);
    }
    if ((command == "zoomed" || command == "maximise") && argc == 3) {
        HWND hwnd = FindTopLevel(argv[2], nullptr);
        if (hwnd == nullptr) {
            std::printf("no window %s\n", argv[2]);
            return 1;
        }
        if (command == "maximise") {
            PostMessageA(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            return 0;
        }
        std::printf("%d\n", IsZoomed(hwnd) ? 1 : 0);
        return 0;
    }
    if (command == "view-rect") {
        HWND frame = FindTopLevel("MainClass", nullptr);
        HWND view = frame != nullptr ? FindWindowExA(frame, nullptr, "TextWndClass", nullptr)
                                     : nullptr;
        RECT client{};
        if (view == nullptr || !GetClientRect(view, &client)) {
            std::printf("no view\n");
            return 1;
        }
        MapWindowPoints(view, nullptr, reinterpret_cast<POINT*>(&client), 2);
        std::printf("%ld %ld %ld %ld\n", static_cast<long>(client.left),
                    static_cast<long>(client.top), static_cast<long>(client.right - client.left),
                    static_cast<long>(client.bottom - client.top));
        return 0;
    }
    if (command == "combo-item" && argc == 5) {
        // The list's text cannot be read across processes; the item is selected into the combo
        // box's field, whose text can.
        HWND dialog = FindTopLevel("#32770", argv[2]);
        HWND combo = dialog != nullptr ? GetDlgItem(dialog, std::atoi(argv[3])) : nullptr;
        const WPARAM index = static_cast<WPARAM>(std::atoi(argv[4]));
        char text[512] = "";
        if (combo == nullptr || SendMessageA(combo, CB_SETCURSEL, index, 0) == CB_ERR) {
            std::printf("no item %s of combo box %s in dialog %s\n", argv[4], argv[3], argv[2]);
            return 1;
        }
        SendMessageA(combo, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", text);
        return 0;
    }
    if ((command == "set-item" && argc == 5) ||
        ((command == "item-text" || command == "checked") && argc == 4)) {
        HWND dialog = FindTopLevel("#32770", argv[2]);
        HWND item = dialog != nullptr ? GetDlgItem(dialog, std::atoi(argv[3])) : nullptr;
        if (item == nullptr) {
            std::printf("no item %s in dialog %s\n", argv[3], argv[2]);
            return 1;
        }
        if (command == "set-item") {
            SendMessageA(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
        } else if (command == "checked") {
            std::printf("%d\n", SendMessageA(item, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
        } else {
            // GetWindowText does not ask a control of another process for its text.
            char text[512] = "";
            SendMessageA(item, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
            std::printf("%s\n", text);
        }
        return 0;
    }
    if (command == "list") {
        EnumWindows(PrintWindow, 0);
        return 0;
    }
    if (command == "click" && argc == 4) {
        return Click(argv[2], argv[3]);
    }
    if (command == "wait-button" && argc == 5) {
        return WaitButton(argv[2], argv[3], std::atoi(argv[4]));
    }
    if ((command == "select-row" || command == "list-row") && argc == 4) {
        return ListBoxCommand(command, argv[2], std::atoi(argv[3]));
    }
    if (command == "list-count" && argc == 3) {
        return ListBoxCommand(command, argv[2], 0);
    }
    if (command == "popup-width" && argc == 3) {
        return PopupWidth(std::atoi(argv[2]));
    }
    std::fprintf(stderr, "usage: observer wait-window|wait-gone|status|list ...\n");
    return 2;
}

// Each function is looked up once; the library it lives in is never unloaded.
#include "platform/on_demand_calls.h"

#include <shellapi.h>
#include <shlwapi.h>

namespace kestrel {

namespace {

template <typename Function>
Function Find(const char* library, const char* name) {
    HMODULE module = LoadLibraryA(library);
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

BOOL ShowOpenFileDialog(OPENFILENAMEA* dialog) {
    static const auto function =
        Find<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
    return function != nullptr && function(dialog);
}

BOOL ShowSaveFileDialog(OPENFILENAMEA* dialog) {
    static const auto function =
        Find<decltype(&GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
    return function != nullptr && function(dialog);
}

BOOL ShowFontDialog(CHOOSEFONTA* choose) {
    static const auto function = Find<decltype(&ChooseFontA)>("comdlg32.dll", "ChooseFontA");
    return function != nullptr && function(choose);
}

BOOL ShowPrintDialog(PRINTDLGA* dialog) {
    static const auto function = Find<decltype(&PrintDlgA)>("comdlg32.dll", "PrintDlgA");
    return function != nullptr && function(dialog);
}

void OpenWithShell(HWND owner, const char* target, int showCmd) {
    static const auto function = Find<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (function != nullptr) {
        function(owner, "open", target, nullptr, nullptr, showCmd);
    }
}

LONG DeleteKeyTree(HKEY key, const char* subkey) {
    static const auto function = Find<decltype(&SHDeleteKeyA)>("shlwapi.dll", "SHDeleteKeyA");
    return function != nullptr ? static_cast<LONG>(function(key, subkey)) : ERROR_DLL_INIT_FAILED;
}

} // namespace kestrel

// The few functions of the common dialogs, the shell and the shell helpers that the program
// uses. Linking those libraries would load them, and all that they load in turn, at every start,
// costing a fifth of the start-up time and several megabytes, for dialogs that many runs never
// open. Each library is loaded the first time one of its functions is called and stays loaded.
// A library that cannot be loaded makes its call fail as the function itself fails: FALSE for a
// dialog (as if cancelled), an error code for the rest.
#pragma once

#include "framework/win32.h"

#include <commdlg.h>

namespace kestrel {

BOOL ShowOpenFileDialog(OPENFILENAMEA* dialog);   // GetOpenFileNameA
BOOL ShowSaveFileDialog(OPENFILENAMEA* dialog);   // GetSaveFileNameA
BOOL ShowFontDialog(CHOOSEFONTA* choose);         // ChooseFontA
BOOL ShowPrintDialog(PRINTDLGA* dialog);          // PrintDlgA
// ShellExecuteA with the verb "open", no parameters and no directory.
void OpenWithShell(HWND owner, const char* target, int showCmd);
// SHDeleteKeyA: removes `subkey` of `key` with everything below it.
LONG DeleteKeyTree(HKEY key, const char* subkey);

} // namespace kestrel

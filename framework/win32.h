// The one place <windows.h> comes in, with the settings the whole Win32 layer assumes.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <windowsx.h>
// HDROP, for the drop-files handler every window has.
#include <shellapi.h>

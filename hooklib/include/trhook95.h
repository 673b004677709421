#pragma once

// trhook95.dll: the translator's system-wide message-hook library. Its exports are undecorated
// and at fixed ordinals (ClearWinHooks 1 ... SetGameActiveFlag 7).

#include <windows.h>

#include "appfw/cstring.h"

#ifdef TRHOOK95_BUILD
#define TRHOOK95_API extern "C" __declspec(dllexport)
#else
#define TRHOOK95_API extern "C" __declspec(dllimport)
#endif

// Posted (wParam 0, lParam 0) to the comparison window when the compared window is destroyed.
#define WM_COMPWND_TARGETGONE 2034

// Hook kinds understood by EnableHook.
#define TRHOOK95_KIND_KEYBOARD WH_KEYBOARD        // 2
#define TRHOOK95_KIND_GETMESSAGE WH_GETMESSAGE    // 3
#define TRHOOK95_KIND_CBT WH_CBT                  // 5

// Removes the three hooks when all three are installed; always 1.
TRHOOK95_API BOOL WINAPI ClearWinHooks();
// Switches one hook procedure on or off in the calling process.
TRHOOK95_API void WINAPI EnableHook(int hookKind, BOOL enable);
// Takes the current directory as base folder, installs the hooks for the whole desktop, reads
// the plug-in folder's game switches and remembers the translator's process and comparison
// window (*compWnd). 1 done, 0 failed.
TRHOOK95_API BOOL WINAPI InitWinHooks(DWORD translatorPid, HWND* compWnd);
// The dictionary hotkey: low word the virtual key, high word Alt 1, Ctrl 2, Shift 4. Always 1.
TRHOOK95_API BOOL WINAPI SetLexomarHotKey(DWORD hotKey);
// The window shown in comparison translation (0: none). 0 when the handle is not a window.
TRHOOK95_API BOOL WINAPI SetCompWnd(HWND target);
// Replaces the base folder; 0 when the text is empty or too long (nothing changes then).
TRHOOK95_API BOOL WINAPI SetExePath(const appfw::CString& path);
// Game translation on or off; returns the previous setting.
TRHOOK95_API BOOL WINAPI SetGameActiveFlag(BOOL active);

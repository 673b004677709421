#pragma once

#include <windows.h>

#ifdef TRHOOK95_BUILD
#define TRHOOK95_API extern "C" __declspec(dllexport)
#else
#define TRHOOK95_API extern "C" __declspec(dllimport)
#endif

// Posted to the comparison window when the compared window is destroyed.
#define WM_COMPWND_TARGETGONE 2034

TRHOOK95_API BOOL WINAPI ClearWinHooks();
TRHOOK95_API void WINAPI EnableHook(int hookKind, BOOL enable);
TRHOOK95_API BOOL WINAPI InitWinHooks(DWORD translatorPid, HWND* compWnd);
TRHOOK95_API BOOL WINAPI SetLexomarHotKey(DWORD hotKey);
TRHOOK95_API BOOL WINAPI SetCompWnd(HWND target);
TRHOOK95_API BOOL WINAPI SetGameActiveFlag(BOOL active);

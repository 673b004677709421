#pragma once

// trhook32, the companion hook library that translates inside other programs. Its thirteen
// functions use the C calling convention.

#include <windows.h>

#ifdef TRHOOK32_BUILD
#define TRHOOK32_API __declspec(dllexport)
#else
#define TRHOOK32_API __declspec(dllimport)
#endif

// Sent by trhook32 to the comparison window: wParam the layout (1 top and bottom, 2 left and
// right), lParam the window to compare.
#define WM_COMPWND_SETTARGET 0x5A6

// Translation modes of SetTransFlag32.
#define TRANS_MODE_RESTORE 1
#define TRANS_MODE_QUICK 2
#define TRANS_MODE_LOCALISE 4

#ifdef __cplusplus
extern "C" {
#endif

TRHOOK32_API int __cdecl InitHooks32(HWND compareWnd);
TRHOOK32_API int __cdecl ClearHooks32(void);
TRHOOK32_API int __cdecl SetTransFlag32(HWND target, int mode);
TRHOOK32_API int __cdecl SetCode32(int code);
TRHOOK32_API int __cdecl GetCode32(void);
TRHOOK32_API int __cdecl SetInterfaceType32(int type);
TRHOOK32_API int __cdecl SetChnEngMenu32(int bilingual);
TRHOOK32_API int __cdecl SetUserDict32(int use);
TRHOOK32_API int __cdecl SetProfDictID32(int index);
TRHOOK32_API int __cdecl SetCompatibleFlag32(const char* packFolder, int length, int flag);
TRHOOK32_API int __cdecl LeftrightComptrans32(void);
TRHOOK32_API int __cdecl UpdownComptrans32(void);
TRHOOK32_API int __cdecl CancelComptrans32(void);

#ifdef __cplusplus
}
#endif

/* Stand-in for the companion hook library trhook32, which comes from outside the suite.
 *
 * It translates nothing. Every call is appended, with its arguments, as one line to
 * trhook32.log in the folder named by the environment variable TRHOOK32_LOG_DIR (when set):
 * the function name, then the arguments separated by spaces (windows as decimal handle
 * values, texts in double quotes). It keeps the text code for GetCode32, fails InitHooks32
 * while TRHOOK32_FAIL_INIT is "1", and after LeftrightComptrans32 or UpdownComptrans32 sends
 * WM_COMPWND_SETTARGET to the window given to InitHooks32, with the window last given to
 * SetTransFlag32 (or, before any, the foreground window) as the window to compare. */
#define TRHOOK32_BUILD
#include "trhook32.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

static HWND g_compareWnd;
static HWND g_lastTarget;
static int g_code = -1;

static void record(const char* format, ...) {
  char dir[MAX_PATH], path[MAX_PATH + 16], line[1200];
  DWORD n = GetEnvironmentVariableA("TRHOOK32_LOG_DIR", dir, sizeof dir);
  if (n == 0 || n >= sizeof dir) return;
  snprintf(path, sizeof path, "%s\\trhook32.log", dir);
  va_list args;
  va_start(args, format);
  int len = vsnprintf(line, sizeof line - 2, format, args);
  va_end(args);
  if (len < 0) return;
  if (len > (int)sizeof line - 3) len = (int)sizeof line - 3;
  line[len++] = '\r';
  line[len++] = '\n';
  /* Several processes may write: open, append one line, close. */
  for (int attempt = 0; attempt < 50; ++attempt) {
    HANDLE f = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, NULL, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, NULL);
    if (f != INVALID_HANDLE_VALUE) {
      DWORD written;
      WriteFile(f, line, (DWORD)len, &written, NULL);
      CloseHandle(f);
      return;
    }
    Sleep(10);
  }
}

static unsigned long hwnd_value(HWND h) { return (unsigned long)(ULONG_PTR)h; }

int __cdecl InitHooks32(HWND compareWnd) {
  char fail[8];
  DWORD n = GetEnvironmentVariableA("TRHOOK32_FAIL_INIT", fail, sizeof fail);
  int ok = !(n == 1 && fail[0] == '1');
  record("InitHooks32 %lu", hwnd_value(compareWnd));
  if (ok) g_compareWnd = compareWnd;
  return ok;
}

int __cdecl ClearHooks32(void) {
  record("ClearHooks32");
  g_compareWnd = NULL;
  return 1;
}

int __cdecl SetTransFlag32(HWND target, int mode) {
  record("SetTransFlag32 %lu %d", hwnd_value(target), mode);
  g_lastTarget = target;
  return 1;
}

int __cdecl SetCode32(int code) {
  record("SetCode32 %d", code);
  g_code = code;
  return 1;
}

int __cdecl GetCode32(void) {
  record("GetCode32");
  return g_code;
}

int __cdecl SetInterfaceType32(int type) {
  record("SetInterfaceType32 %d", type);
  return 1;
}

int __cdecl SetChnEngMenu32(int bilingual) {
  record("SetChnEngMenu32 %d", bilingual);
  return 1;
}

int __cdecl SetUserDict32(int use) {
  record("SetUserDict32 %d", use);
  return 1;
}

int __cdecl SetProfDictID32(int index) {
  record("SetProfDictID32 %d", index);
  return 1;
}

int __cdecl SetCompatibleFlag32(const char* packFolder, int length, int flag) {
  char folder[MAX_PATH];
  folder[0] = 0;
  if (packFolder && length > 0) {
    int n = length < (int)sizeof folder - 1 ? length : (int)sizeof folder - 1;
    memcpy(folder, packFolder, (size_t)n);
    folder[n] = 0;
  }
  record("SetCompatibleFlag32 \"%s\" %d %d", folder, length, flag);
  return 1;
}

static int start_comparison(const char* name, WPARAM layout) {
  record("%s", name);
  HWND compared = g_lastTarget ? g_lastTarget : GetForegroundWindow();
  if (g_compareWnd && IsWindow(g_compareWnd)) {
    SendMessageA(g_compareWnd, WM_COMPWND_SETTARGET, layout, (LPARAM)compared);
  }
  return 1;
}

int __cdecl LeftrightComptrans32(void) { return start_comparison("LeftrightComptrans32", 2); }
int __cdecl UpdownComptrans32(void) { return start_comparison("UpdownComptrans32", 1); }

int __cdecl CancelComptrans32(void) {
  record("CancelComptrans32");
  return 1;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return TRUE;
}

/* Stand-in for the companion hook library trhook32, which comes from outside the suite.
 *
 * It translates nothing. Every call is appended, with its arguments, as one line to
 * trhook32.log in the folder named by the environment variable TRHOOK32_LOG_DIR (when set):
 * the function name, then the arguments separated by spaces (windows as decimal handle
 * values, texts in double quotes). It keeps the text code for GetCode32, fails InitHooks32
 * while TRHOOK32_FAIL_INIT is "1", and after LeftrightComptrans32 or UpdownComptrans32 sends
 * WM_COMPWND_SETTARGET to the window given to InitHooks32, with the window last given to
 * SetTransFlag32 (or, before any, the foreground window) as the window to compare.
 *
 * Beside that record it keeps a second one, trhook95-state.log in the same folder, of what it
 * sees of trhook95 in its process at each call, so that the order of the calls into both
 * libraries shows: one line per call, the function name, then "hooks=" 1 or 0 (whether
 * trhook95's hooks are installed), "game=" its game-translation flag, "hotkey=" its
 * dictionary hot key and "target=" the compared window it holds (decimal handle value). The
 * line is "<name> absent" when trhook95 is not loaded in the process. It reads trhook95's
 * shared record and changes nothing there. */
#define TRHOOK32_BUILD
#include "trhook32.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include "standin_record.h"

/* The start of trhook95's shared record (its section ".gdata"), as that library lays it out. */
typedef struct {
  HHOOK keyboardHook, getMsgHook, cbtHook;
  DWORD translatorPid;
  DWORD dictHotKey;
  BOOL gameActive;
  char baseDir[256];
  char pluginDir[256];
  BOOL gameEnabled[12];
  HWND compTarget;
  HWND compWnd;
} Trhook95_Shared;

static HWND g_compareWnd;
static HWND g_lastTarget;
static int g_code = -1;

/* Appends one line (CR LF added) to the file of that name in the log folder. */
static void append_line(const char* file, const char* text) {
  char dir[MAX_PATH], path[MAX_PATH + 32], line[1200];
  DWORD n = GetEnvironmentVariableA("TRHOOK32_LOG_DIR", dir, sizeof dir);
  if (n == 0 || n >= sizeof dir) return;
  snprintf(path, sizeof path, "%s\\%s", dir, file);
  int len = snprintf(line, sizeof line - 2, "%s", text);
  if (len < 0) return;
  if (len > (int)sizeof line - 3) len = (int)sizeof line - 3;
  line[len++] = '\r';
  line[len++] = '\n';
  standin_append(path, line, (DWORD)len);
}

/* trhook95's shared record as this process maps it, or NULL when the library is not loaded. */
static const volatile Trhook95_Shared* trhook95_shared(void) {
  BYTE* base = (BYTE*)GetModuleHandleA("trhook95.dll");
  if (!base) return NULL;
  IMAGE_DOS_HEADER* dos = (IMAGE_DOS_HEADER*)base;
  IMAGE_NT_HEADERS* nt = (IMAGE_NT_HEADERS*)(base + dos->e_lfanew);
  IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
    if (strncmp((const char*)section->Name, ".gdata", 8) == 0) {
      return (const volatile Trhook95_Shared*)(base + section->VirtualAddress);
    }
  }
  return NULL;
}

static void note_trhook95(const char* call) {
  char line[200];
  const volatile Trhook95_Shared* shared = trhook95_shared();
  if (!shared) {
    snprintf(line, sizeof line, "%s absent", call);
  } else {
    snprintf(line, sizeof line, "%s hooks=%d game=%d hotkey=%lu target=%lu", call,
             shared->keyboardHook != NULL, (int)shared->gameActive,
             (unsigned long)shared->dictHotKey, (unsigned long)(ULONG_PTR)shared->compTarget);
  }
  append_line("trhook95-state.log", line);
}

static void record(const char* format, ...) {
  char line[1200], call[64];
  va_list args;
  va_start(args, format);
  int len = vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (len < 0) return;
  append_line("trhook32.log", line);
  size_t name = strcspn(line, " ");
  if (name >= sizeof call) name = sizeof call - 1;
  memcpy(call, line, name);
  call[name] = 0;
  note_trhook95(call);
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

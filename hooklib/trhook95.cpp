// trhook95.dll: system-wide keyboard, get-message and CBT hooks for the translator.
//
// The hook procedures run inside every process of the desktop, in whichever thread receives the
// input or creates, activates or destroys a window. They stay small: no heap, no locks, only
// bounded buffers on the stack, and they do nothing in the translator's own process.
#define TRHOOK95_BUILD
#include "trhook95.h"

#include <cstring>

#include "appfw/app.h"
#include "ddraw_watch.h"
#include "freeze.h"
#include "hooklogic.h"
#include "shared_data.h"

namespace trhook95 {

// One copy for every process that maps the library.
SharedHookData g_shared __attribute__((section(".gdata"), shared)) = {
    nullptr, nullptr, nullptr, 0, 0, TRUE, "", "",
    {TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, TRUE},
    nullptr, nullptr};

// When the translator that installed the hooks started, as the system counts process times
// (0: not known). It lives beside the shared record, whose layout other processes rely on: a
// process id alone cannot tell the translator from a program that was given its id after the
// translator ended.
struct Translator_Start {
  DWORD low;
  DWORD high;
};
Translator_Start g_translatorStart __attribute__((section(".gstart"), shared)) = {0, 0};

// Per-process state.
volatile LONG bKeyboardHookEnabled = 1;
volatile LONG bGetMsgHookEnabled = 1;
volatile LONG bCbtHookEnabled = 1;
HMODULE hPluginModule = reinterpret_cast<HMODULE>(-1);
volatile LONG bInFreeze = 0;
FARPROC volatile pfnDirectDrawCreate = nullptr;

namespace {

HINSTANCE g_module = nullptr;

const char kPluginFile[] = "newlumo.idx";
const char kTransListFile[] = "TransList.cfg";
const char kPluginBoxTitle[] = "青岚墨译-游戏汉化";
const char kPluginBoxText[] =
    "青岚墨译能够汉化多种流行游戏，基本上帮助玩家克服语言障碍，要取得更好的效果，请购买相关游戏的中文版。";

// A shared field read once, as it is now (another process may change it at any time).
template <typename T>
T Now(const T& field) {
  return *const_cast<const volatile T*>(&field);
}
template <typename T>
void Store(T& field, T value) {
  *const_cast<volatile T*>(&field) = value;
}

// A snapshot of the plug-in folder, always NUL-terminated.
void Copy_Plugin_Dir(char (&out)[kFolderSize]) {
  const volatile char* src = g_shared.szPluginDir;
  for (size_t i = 0; i < kFolderSize; ++i) out[i] = src[i];
  out[kFolderSize - 1] = '\0';
}

// Writes a folder field whole: the text, then zeros to the end.
void Set_Folder(char (&field)[kFolderSize], const char* text, size_t length) {
  volatile char* dst = field;
  for (size_t i = 0; i < kFolderSize; ++i) dst[i] = i < length ? text[i] : '\0';
}

// Four bytes at p can be read and written.
bool Is_Writable_Handle_Slot(const void* p) {
  if (!p) return false;
  const BYTE* bytes = static_cast<const BYTE*>(p);
  for (const BYTE* q : {bytes, bytes + sizeof(HWND) - 1}) {
    MEMORY_BASIC_INFORMATION mbi;
    if (VirtualQuery(q, &mbi, sizeof mbi) != sizeof mbi) return false;
    if (mbi.State != MEM_COMMIT) return false;
    if (mbi.Protect & (PAGE_GUARD | PAGE_NOACCESS)) return false;
    const DWORD writable =
        PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    if (!(mbi.Protect & writable)) return false;
  }
  return true;
}

// The start time of a process, or 0 when the system does not tell it.
ULONGLONG Process_Start(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

ULONGLONG Recorded_Translator_Start() {
  DWORD high = Now(g_translatorStart.high);
  DWORD low = Now(g_translatorStart.low);
  return (static_cast<ULONGLONG>(high) << 32) | low;
}

// Notes when the translator with this process id started.
void Record_Translator_Start(DWORD pid) {
  ULONGLONG started = 0;
  if (pid == GetCurrentProcessId()) {
    started = Process_Start(GetCurrentProcess());
  } else if (HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid)) {
    started = Process_Start(process);
    CloseHandle(process);
  }
  Store(g_translatorStart.low, static_cast<DWORD>(started));
  Store(g_translatorStart.high, static_cast<DWORD>(started >> 32));
}

// The translator that installed the hooks still runs: its process id names a running process
// that started when the translator did. An ended process is not it, nor one that was given
// the id since. A process that may not be looked at is taken to be it.
bool Translator_Runs(DWORD pid) {
  if (pid == 0) return false;
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
  bool runs = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  ULONGLONG recorded = Recorded_Translator_Start();
  if (runs && recorded != 0) {
    ULONGLONG started = Process_Start(process);
    if (started != 0) runs = started == recorded;
  }
  CloseHandle(process);
  return runs;
}

// --- Triggers -------------------------------------------------------------------------------

// The freeze, when this process already uses DirectDraw and no freeze runs in it.
void Start_Freeze(DWORD pid, int kind) {
  HMODULE ddraw = GetModuleHandleA("ddraw.dll");
  if (!ddraw) return;
  FARPROC create = GetProcAddress(ddraw, "DirectDrawCreate");
  pfnDirectDrawCreate = create;
  // One freeze at a time in a process, even when two threads see a trigger at once.
  if (create && InterlockedCompareExchange(&bInFreeze, 1, 0) == 0) {
    FreezeGame(pid, kind);
    InterlockedExchange(&bInFreeze, 0);
    pfnDirectDrawCreate = nullptr;
  }
}

bool IsHotKeyRelease(WPARAM virtualKey, LPARAM keyFlags) {
  DWORD hotKey = Now(g_shared.dwDictHotKey);
  if (!Is_Hotkey_Key_Released(hotKey, virtualKey, keyFlags)) return false;
  DWORD mask = Modifier_Mask(Is_Key_Down_Now(GetAsyncKeyState(VK_CONTROL)),
                             Is_Key_Down_Now(GetAsyncKeyState(VK_MENU)),
                             Is_Key_Down_Now(GetAsyncKeyState(VK_SHIFT)));
  return Modifiers_Match(hotKey, mask);
}

// Only a keystroke being removed from the queue counts: a peek that leaves it there followed
// by the read of the same keystroke is one trigger.
void KeyboardAction(int code, WPARAM wParam, LPARAM lParam, DWORD pid) {
  if (code == HC_ACTION && IsHotKeyRelease(wParam, lParam)) Start_Freeze(pid, kTriggerHotKey);
}

// Likewise only a message being removed from the queue.
void GetMsgAction(WPARAM wParam, LPARAM lParam, DWORD pid) {
  Watch_DirectDraw();
  if ((wParam & PM_REMOVE) && Is_Mouse_Chord(reinterpret_cast<const MSG*>(lParam)))
    Start_Freeze(pid, kTriggerMouseChord);
}

// --- Game plug-in ---------------------------------------------------------------------------

// The program is a listed game switched on; the user has been told and closed the box.
bool IsListedGame() {
  char program[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, program, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return false;
  program[n] = '\0';
  BOOL switches[kGameCount];
  for (int i = 0; i < kGameCount; ++i) switches[i] = Now(g_shared.bGameEnabled[i]);
  if (Find_Listed_Game(program, switches) < 0) return false;
  return MessageBoxA(nullptr, kPluginBoxText, kPluginBoxTitle, MB_OK) != 0;
}

// The plug-in's full name, for a listed game only. The path is composed before the game test,
// so that a plug-in folder too long for a path never shows the box.
bool GetPluginPath(char* path, size_t size) {
  char folder[kFolderSize];
  Copy_Plugin_Dir(folder);
  if (folder[0] == '\0') return false;
  if (!Join_Path(folder, kPluginFile, path, size)) return false;
  return IsListedGame();
}

void LoadGamePlugin() {
  if (hPluginModule != reinterpret_cast<HMODULE>(-1)) return;
  char path[MAX_PATH] = {};
  if (!GetPluginPath(path, sizeof path)) return;
  hPluginModule = nullptr;  // tried, whatever the load gives
  hPluginModule = LoadLibraryA(path);
}

// --- Comparison window ----------------------------------------------------------------------

void NotifyTargetDestroyed(HWND window) {
  HWND target = Now(g_shared.hCompTarget);
  HWND compWnd = Now(g_shared.hCompWnd);
  if (!target || !compWnd || window != target) return;
  // Only the caller that clears the target posts, so one destruction gives one message.
  if (InterlockedCompareExchangePointer(reinterpret_cast<PVOID volatile*>(&g_shared.hCompTarget),
                                        nullptr, target) == target)
    PostMessageA(compWnd, WM_COMPWND_TARGETGONE, 0, 0);
}

// As the compared window is activated, the comparison window comes to its side: topmost, and
// at once back to the top of the ordinary windows, without being activated.
void RaiseCompWnd(HWND window) {
  HWND target = Now(g_shared.hCompTarget);
  HWND compWnd = Now(g_shared.hCompWnd);
  if (!target || window != target || !IsWindow(compWnd)) return;
  const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
  SetWindowPos(compWnd, HWND_TOPMOST, 0, 0, 0, 0, flags);
  SetWindowPos(compWnd, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}

void CbtAction(int code, WPARAM wParam, LPARAM lParam, DWORD pid) {
  switch (code) {
    case HCBT_CREATEWND:
      Watch_DirectDraw();
      if (Now(g_shared.bGameActive)) LoadGamePlugin();
      break;
    case HCBT_DESTROYWND:
      NotifyTargetDestroyed(reinterpret_cast<HWND>(wParam));
      break;
    case HCBT_ACTIVATE:
      RaiseCompWnd(reinterpret_cast<HWND>(wParam));
      break;
    default:
      break;
  }
}

// --- Hook installation ----------------------------------------------------------------------

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK GetMsgHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);

void Unhook(HHOOK& field) {
  HHOOK hook = Now(field);
  Store<HHOOK>(field, nullptr);
  if (hook) UnhookWindowsHookEx(hook);
}

HHOOK Install_Hook(int kind, void*) {
  HOOKPROC proc = kind == WH_KEYBOARD     ? KeyboardHookProc
                  : kind == WH_GETMESSAGE ? GetMsgHookProc
                                          : CbtHookProc;
  return SetWindowsHookExA(kind, proc, g_module, 0);
}

void Remove_Hook(HHOOK hook, void*) { UnhookWindowsHookEx(hook); }

BOOL InstallHooks(DWORD pid) {
  if (pid == 0) return FALSE;
  if (Now(g_shared.hKeyboardHook) || Now(g_shared.hGetMsgHook)) {
    // Handles left behind by a translator that has ended (its start-up failed after the hooks
    // went in, or it ended without clean-up) must not block a new start, even when another
    // program has since been given its process id. Windows removes such hooks with their
    // thread; where they survive it (Wine keeps them), they would go on acting for the ended
    // translator, so they are removed here.
    if (Translator_Runs(Now(g_shared.dwTranslatorPid))) return FALSE;
    Unhook(g_shared.hCbtHook);
    Unhook(g_shared.hGetMsgHook);
    Unhook(g_shared.hKeyboardHook);
  }
  // Known before the first hook runs, so that no hook ever acts in the translator's process.
  Store(g_shared.dwTranslatorPid, pid);
  Record_Translator_Start(pid);
  HHOOK volatile* const slots[] = {&g_shared.hKeyboardHook, &g_shared.hGetMsgHook,
                                   &g_shared.hCbtHook};
  const int kinds[] = {WH_KEYBOARD, WH_GETMESSAGE, WH_CBT};
  return Install_In_Order(slots, kinds, 3, Install_Hook, Remove_Hook, nullptr);
}

void ReadTransList() {
  char folder[kFolderSize];
  Copy_Plugin_Dir(folder);
  char path[MAX_PATH];
  if (!Join_Path(folder, kTransListFile, path, sizeof path)) return;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  char text[kGameCount + 1] = {};
  DWORD got = 0;
  if (!ReadFile(file, text, kGameCount, &got, nullptr)) got = 0;
  CloseHandle(file);
  BOOL switches[kGameCount];
  for (int i = 0; i < kGameCount; ++i) switches[i] = Now(g_shared.bGameEnabled[i]);
  Apply_Trans_List(text, got, switches, kGameCount);
  for (int i = 0; i < kGameCount; ++i) Store(g_shared.bGameEnabled[i], switches[i]);
}

// --- Hook procedures ------------------------------------------------------------------------

// The frame of the three procedures: act once per process at a time (a second call of the
// same kind, in any thread of the process, only chains until the action has returned), never
// in the translator's process, and always pass the call on.
template <typename Action>
void Run_Guarded(volatile LONG& enabled, Action action) {
  if (InterlockedCompareExchange(&enabled, 0, 1) != 1) return;
  DWORD pid = GetCurrentProcessId();
  if (pid != Now(g_shared.dwTranslatorPid)) action(pid);
  InterlockedExchange(&enabled, 1);
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0)
    Run_Guarded(bKeyboardHookEnabled, [&](DWORD pid) { KeyboardAction(code, wParam, lParam, pid); });
  return CallNextHookEx(Now(g_shared.hKeyboardHook), code, wParam, lParam);
}

LRESULT CALLBACK GetMsgHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0)
    Run_Guarded(bGetMsgHookEnabled, [&](DWORD pid) { GetMsgAction(wParam, lParam, pid); });
  return CallNextHookEx(Now(g_shared.hGetMsgHook), code, wParam, lParam);
}

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0)
    Run_Guarded(bCbtHookEnabled, [&](DWORD pid) { CbtAction(code, wParam, lParam, pid); });
  return CallNextHookEx(Now(g_shared.hCbtHook), code, wParam, lParam);
}

}  // namespace

// The library's application object: constructed when a process maps the library.
class CTrhook95App : public appfw::CWinApp {
 public:
  CTrhook95App() = default;
};

CTrhook95App theApp;

}  // namespace trhook95

using namespace trhook95;

extern "C" {

BOOL WINAPI ClearWinHooks() {
  HHOOK keyboard = Now(g_shared.hKeyboardHook);
  HHOOK getMsg = Now(g_shared.hGetMsgHook);
  HHOOK cbt = Now(g_shared.hCbtHook);
  if (keyboard && getMsg && cbt) {
    UnhookWindowsHookEx(keyboard);
    UnhookWindowsHookEx(getMsg);
    UnhookWindowsHookEx(cbt);
    Store<HHOOK>(g_shared.hKeyboardHook, nullptr);
    Store<HHOOK>(g_shared.hGetMsgHook, nullptr);
    Store<HHOOK>(g_shared.hCbtHook, nullptr);
  }
  return TRUE;
}

void WINAPI EnableHook(int hookKind, BOOL enable) {
  LONG value = enable ? 1 : 0;
  switch (hookKind) {
    case WH_KEYBOARD:
      InterlockedExchange(&bKeyboardHookEnabled, value);
      break;
    case WH_GETMESSAGE:
      InterlockedExchange(&bGetMsgHookEnabled, value);
      break;
    case WH_CBT:
      InterlockedExchange(&bCbtHookEnabled, value);
      break;
    default:
      break;
  }
}

BOOL WINAPI InitWinHooks(DWORD translatorPid, HWND* compWnd) {
  if (!Is_Writable_Handle_Slot(compWnd)) return FALSE;
  HWND window = *compWnd;
  if (!IsWindow(window)) return FALSE;
  // The folders are composed apart and written only when both fit.
  char base[kFolderSize] = {};
  DWORD n = GetCurrentDirectoryA(kFolderSize - 1, base);
  if (n == 0 || n >= kFolderSize - 1) return FALSE;
  char plugin[kFolderSize] = {};
  if (!Compose_Plugin_Dir(base, plugin, sizeof plugin)) return FALSE;
  Set_Folder(g_shared.szBaseDir, base, n);
  Set_Folder(g_shared.szPluginDir, plugin, std::strlen(plugin));
  if (!InstallHooks(translatorPid)) return FALSE;
  ReadTransList();
  Store(g_shared.dwTranslatorPid, translatorPid);
  Store(g_shared.hCompWnd, window);
  return TRUE;
}

BOOL WINAPI SetLexomarHotKey(DWORD hotKey) {
  Store(g_shared.dwDictHotKey, hotKey);
  return TRUE;
}

BOOL WINAPI SetCompWnd(HWND target) {
  if (target && !IsWindow(target)) return FALSE;
  Store(g_shared.hCompTarget, target);
  return TRUE;
}

BOOL WINAPI SetExePath(const appfw::CString& path) {
  const char* text = path;
  size_t n = 0;
  while (n < kFolderSize && text[n]) ++n;
  if (n == 0 || n >= kFolderSize) return FALSE;
  Set_Folder(g_shared.szBaseDir, text, n);
  return TRUE;
}

BOOL WINAPI SetGameActiveFlag(BOOL active) {
  return InterlockedExchange(reinterpret_cast<volatile LONG*>(&g_shared.bGameActive), active);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    theApp.m_hInstance = instance;  // the freeze dialog's template lives here
  }
  return TRUE;
}

}  // extern "C"

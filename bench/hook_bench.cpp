// trhook95's hooks on their chain-only path (a key that is not the dictionary hot key, mouse
// moves without the freeze chord, posted messages) against bare hooks that only call
// CallNextHookEx, per event in this program while another process holds the hooks, as the
// translator installs them (target: at most 1.5 times). Bare and trhook95 runs alternate and
// the best of each counts, so both see the same machine.
//
// hook_bench.exe                     measures (starts the hook holders below)
// hook_bench.exe --hold bare|trhook  installs the hooks, signals, and holds them until told
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench_report.h"

namespace {

using Clock = std::chrono::steady_clock;

const char kReadyEvent[] = "QuillonHookBenchReady";
const char kStopEvent[] = "QuillonHookBenchStop";
constexpr UINT kPing = WM_APP + 1;
constexpr int kDictHotKey = (6 << 16) | VK_F1;  // the translator's default: Ctrl+Shift+F1

std::string Own_Folder() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// --- The process that holds the hooks -----------------------------------------------------

int Hold(const std::string& kind) {
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, kReadyEvent);
  HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, kStopEvent);
  if (!ready || !stop) return 2;
  HMODULE library = nullptr;
  HWND compare = nullptr;
  if (kind == "trhook") {
    library = LoadLibraryA((Own_Folder() + "trhook95.dll").c_str());
    if (!library) return 3;
    auto init = reinterpret_cast<BOOL(WINAPI*)(DWORD, HWND*)>(GetProcAddress(library, "InitWinHooks"));
    auto hot_key = reinterpret_cast<BOOL(WINAPI*)(DWORD)>(GetProcAddress(library, "SetLexomarHotKey"));
    auto game = reinterpret_cast<BOOL(WINAPI*)(BOOL)>(GetProcAddress(library, "SetGameActiveFlag"));
    auto clear = reinterpret_cast<BOOL(WINAPI*)()>(GetProcAddress(library, "ClearWinHooks"));
    if (!init || !hot_key || !game || !clear) return 3;
    // The comparison window the translator hands over.
    compare = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr);
    if (!init(GetCurrentProcessId(), &compare)) return 4;
    game(FALSE);
    hot_key(kDictHotKey);
    SetEvent(ready);
    WaitForSingleObject(stop, INFINITE);
    clear();
  } else {
    library = LoadLibraryA((Own_Folder() + "barehook.dll").c_str());
    if (!library) return 3;
    auto install = reinterpret_cast<BOOL (*)()>(GetProcAddress(library, "Bare_Hooks_Install"));
    auto remove = reinterpret_cast<void (*)()>(GetProcAddress(library, "Bare_Hooks_Remove"));
    if (!install || !remove || !install()) return 4;
    SetEvent(ready);
    WaitForSingleObject(stop, INFINITE);
    remove();
  }
  if (compare) DestroyWindow(compare);
  return 0;
}

// --- The measuring process ----------------------------------------------------------------

UINT g_awaited = 0;  // the message the current event ends with
bool g_arrived = false;

LRESULT CALLBACK Window_Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_awaited) g_arrived = true;
  return DefWindowProcA(window, message, wParam, lParam);
}

// Pumps messages until the awaited one has reached the window. False after 5 s without it.
bool Pump_Until_Arrived() {
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  MSG msg;
  while (!g_arrived) {
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageA(&msg);
      continue;
    }
    if (Clock::now() > deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  return true;
}

struct Costs {
  double key = 1e9, mouse = 1e9, message = 1e9;  // microseconds per event
};

// Microseconds per event of `events` events, each sent by `send` and awaited as `awaited`.
template <typename Send>
double Per_Event(UINT awaited, int events, Send send) {
  const auto start = Clock::now();
  for (int i = 0; i < events; ++i) {
    g_awaited = awaited;
    g_arrived = false;
    send(i);
    if (!Pump_Until_Arrived()) {
      std::printf("an event did not arrive (message 0x%04X)\n", awaited);
      return 1e9;
    }
  }
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / events;
}

void Measure(HWND window, Costs& best) {
  SetForegroundWindow(window);
  SetFocus(window);
  const double key = Per_Event(WM_KEYUP, 300, [](int) {
    INPUT input[2] = {};
    for (INPUT& in : input) {
      in.type = INPUT_KEYBOARD;
      in.ki.wVk = 'A';
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
  });
  RECT rect;
  GetWindowRect(window, &rect);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  // The pointer moves to a new place every time (a move to where it stands brings no message).
  static int moves = 0;
  const double mouse = Per_Event(WM_MOUSEMOVE, 300, [&](int) {
    const int i = ++moves;
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (rect.left + 20 + (i % 100) * 2) * 65535 / (width - 1);
    in.mi.dy = (rect.top + 60) * 65535 / (height - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(INPUT));
  });
  const double message =
      Per_Event(kPing, 5000, [window](int) { PostMessageA(window, kPing, 0, 0); });
  best.key = std::min(best.key, key);
  best.mouse = std::min(best.mouse, mouse);
  best.message = std::min(best.message, message);
}

// Starts a holder of the given hooks and waits until they are in. Null when that fails.
HANDLE Start_Holder(const char* kind, HANDLE ready) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string command = std::string("\"") + path + "\" --hold " + kind;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return nullptr;
  CloseHandle(process.hThread);
  HANDLE waits[2] = {ready, process.hProcess};
  if (WaitForMultipleObjects(2, waits, FALSE, 30000) != WAIT_OBJECT_0) {
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    std::printf("the %s hooks were not installed (holder exit code %lu)\n", kind, code);
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    return nullptr;
  }
  return process.hProcess;
}

bool Run(const char* kind, HWND window, HANDLE ready, HANDLE stop, Costs& best) {
  ResetEvent(ready);
  ResetEvent(stop);
  HANDLE holder = Start_Holder(kind, ready);
  if (!holder) return false;
  Measure(window, best);
  SetEvent(stop);
  WaitForSingleObject(holder, 30000);
  CloseHandle(holder);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--hold") return Hold(argv[2]);

  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, kReadyEvent);
  HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, kStopEvent);
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = Window_Proc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.lpszClassName = "QuillonHookBench";
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "QuillonHookBench", "hook bench",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                                nullptr, window_class.hInstance, nullptr);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);

  Costs bare, hooked;
  for (int round = 0; round < 3; ++round) {
    if (!Run("bare", window, ready, stop, bare) || !Run("trhook", window, ready, stop, hooked))
      return 1;
  }
  DestroyWindow(window);
  std::printf("a key (down and up): bare hooks %.2f us, trhook95 %.2f us\n", bare.key, hooked.key);
  std::printf("a mouse move: bare hooks %.2f us, trhook95 %.2f us\n", bare.mouse, hooked.mouse);
  std::printf("a posted message: bare hooks %.3f us, trhook95 %.3f us\n", bare.message,
              hooked.message);
  bool met = bench::Report("trhook95 chain-only, a key against bare hooks", hooked.key / bare.key, 1.5);
  met = bench::Report("trhook95 chain-only, a mouse move against bare hooks",
                      hooked.mouse / bare.mouse, 1.5) && met;
  met = bench::Report("trhook95 chain-only, a posted message against bare hooks",
                      hooked.message / bare.message, 1.5) && met;
  return met ? 0 : 1;
}

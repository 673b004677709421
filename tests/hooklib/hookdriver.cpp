// hookdriver.exe <library> <command> [argument]: calls one export of a trhook95.dll from a
// process of its own and ends with the export's result as exit code (100+ on a driver fault).
//   hotkey <hex>      SetLexomarHotKey
//   gameactive <n>    SetGameActiveFlag (exit code: the previous value)
//   exepath <text>    SetExePath
//   init              InitWinHooks with its own process and a window, then ends without
//                     ClearWinHooks (as a translator whose start-up failed afterwards)
//   init-hold         the same, then shows a window titled "hookdriver holds" and ends, still
//                     without ClearWinHooks, when that window is closed (at most 60 s)
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "trhook95.h"

namespace {

UINT_PTR g_timer = 0;

LRESULT CALLBACK Holder_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY || (msg == WM_TIMER && wp == g_timer)) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 100;
  HMODULE lib = LoadLibraryA(argv[1]);
  if (!lib) return 101;
  auto proc = [&](const char* name) { return GetProcAddress(lib, name); };
  const char* cmd = argv[2];
  const char* arg = argc > 3 ? argv[3] : "";

  if (!std::strcmp(cmd, "hotkey")) {
    auto f = reinterpret_cast<decltype(&SetLexomarHotKey)>(proc("SetLexomarHotKey"));
    return f ? f(static_cast<DWORD>(std::strtoul(arg, nullptr, 16))) : 102;
  }
  if (!std::strcmp(cmd, "gameactive")) {
    auto f = reinterpret_cast<decltype(&SetGameActiveFlag)>(proc("SetGameActiveFlag"));
    return f ? f(std::atoi(arg)) : 102;
  }
  if (!std::strcmp(cmd, "exepath")) {
    auto f = reinterpret_cast<decltype(&SetExePath)>(proc("SetExePath"));
    appfw::CString text(arg);
    return f ? f(text) : 102;
  }
  if (!std::strcmp(cmd, "init") || !std::strcmp(cmd, "init-hold")) {
    auto init = reinterpret_cast<decltype(&InitWinHooks)>(proc("InitWinHooks"));
    if (!init) return 102;
    WNDCLASSA wc{};
    wc.lpfnWndProc = Holder_Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuillonHookDriver";
    RegisterClassA(&wc);
    bool hold = !std::strcmp(cmd, "init-hold");
    HWND window = CreateWindowExA(0, wc.lpszClassName, hold ? "hookdriver holds" : "hookdriver",
                                  WS_OVERLAPPED, 0, 0, 100, 60, nullptr, nullptr, wc.hInstance,
                                  nullptr);
    if (!window) return 103;
    BOOL done = init(GetCurrentProcessId(), &window);
    if (hold && done) {
      ShowWindow(window, SW_SHOWNOACTIVATE);
      g_timer = SetTimer(window, 1, 60000, nullptr);
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    }
    return done;
  }
  return 104;
}

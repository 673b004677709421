// Stand-in game: one main window, extra windows on request, counters a watcher can query.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "testgame.h"

namespace {

HWND g_main = nullptr;
LONG g_keyUps = 0;
LONG g_pings = 0;
LONG g_extra = 0;
bool g_ddraw = false;
const char kClass[] = "QuillonHookGame";

LRESULT CALLBACK Game_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_KEYUP:
    case WM_SYSKEYUP:
      ++g_keyUps;
      return 0;
    case WM_SYSKEYDOWN:
      return 0;
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == SC_KEYMENU) return 0;
      break;
    case testgame::kPing:
      ++g_pings;
      return 0;
    case testgame::kQuery:
      switch (wp) {
        case testgame::kKeyUps: return g_keyUps;
        case testgame::kPings: return g_pings;
        case testgame::kExtraWindows: return g_extra;
        case testgame::kDirectDrawLoaded: return g_ddraw;
        case testgame::kMainHasFocus: return GetActiveWindow() == g_main && GetFocus() == g_main;
        default: return -1;
      }
    case testgame::kCreateWindow: {
      char title[64];
      std::snprintf(title, sizeof title, "hookgame extra %ld", g_extra + 1);
      HWND w = CreateWindowExA(0, kClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               40 + 20 * g_extra, 300, 240, 160, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
      if (w) ++g_extra;
      return 0;
    }
    case testgame::kActivate: {
      HWND w = wp ? reinterpret_cast<HWND>(wp) : g_main;
      // Like a user's click on a window in the background: the window really becomes active
      // again, even where its thread still counts it as its active window.
      if (GetActiveWindow() == w) SetActiveWindow(nullptr);
      SetForegroundWindow(w);
      SetActiveWindow(w);
      return 0;
    }
    case testgame::kQuit:
      PostQuitMessage(0);
      return 0;
    case WM_DESTROY:
      if (hwnd == g_main) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

const char* Option(const char* cmd, const char* name) {
  const char* p = std::strstr(cmd, name);
  return p ? p + std::strlen(name) : nullptr;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmd, int) {
  bool peek = Option(cmd, "/peek") != nullptr;
  if (Option(cmd, "/ddraw")) {
    if (!LoadLibraryA("ddraw.dll")) return 3;
    g_ddraw = true;
  }
  char title[128] = "hookgame";
  if (const char* t = Option(cmd, "/title:")) {
    size_t n = 0;
    while (t[n] && t[n] != ' ' && n + 1 < sizeof title) ++n;
    std::memcpy(title, t, n);
    title[n] = '\0';
  }
  int x = 100, y = 100;
  if (const char* v = Option(cmd, "/x:")) x = std::atoi(v);
  if (const char* v = Option(cmd, "/y:")) y = std::atoi(v);

  WNDCLASSA wc{};
  wc.lpfnWndProc = Game_Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClass;
  if (!RegisterClassA(&wc)) return 2;
  g_main = CreateWindowExA(0, kClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 320, 200,
                           nullptr, nullptr, instance, nullptr);
  if (!g_main) return 1;

  MSG msg;
  if (peek) {
    // Looks at each message before reading it, as some game loops do.
    for (;;) {
      WaitMessage();
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return static_cast<int>(msg.wParam);
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
  }
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

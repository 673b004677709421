// A small program with two user-interface threads, for the translation tests: the main thread
// shows "Twin Main" (a menu bar, a button "&Open", a label "Ready"), the second thread its own
// top-level window "Twin Second" with a label that it sets, every few milliseconds, to
// "Waiting" or "Working" in turn. Both threads answer every message at once, so a translation
// that waits on one of them shows as a hang.
#include <windows.h>

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr int kMenuExit = 100;
HWND g_label = nullptr;
LONG g_ticks = 0;

LRESULT CALLBACK Main_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      CreateWindowExA(0, "Button", "&Open", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 120, 28,
                      hwnd, nullptr, nullptr, nullptr);
      CreateWindowExA(0, "Static", "Ready", WS_CHILD | WS_VISIBLE, 20, 60, 200, 20, hwnd, nullptr,
                      nullptr, nullptr);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wp) == kMenuExit) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

LRESULT CALLBACK Second_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      g_label = CreateWindowExA(0, "Static", "Waiting", WS_CHILD | WS_VISIBLE, 20, 20, 200, 20,
                                hwnd, nullptr, nullptr, nullptr);
      SetTimer(hwnd, kTickTimer, 5, nullptr);
      return 0;
    case WM_TIMER:
      // The program's own text changes, in its own thread, while the other thread is
      // translated.
      SetWindowTextA(g_label, (++g_ticks & 1) ? "Working" : "Waiting");
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

DWORD WINAPI Second_Thread(LPVOID) {
  HWND w = CreateWindowExA(0, "TwinUiSecond", "Twin Second", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 420,
                           120, 300, 160, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!w) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpfnWndProc = Main_Proc;
  wc.lpszClassName = "TwinUiMain";
  if (!RegisterClassA(&wc)) return 2;
  wc.lpfnWndProc = Second_Proc;
  wc.lpszClassName = "TwinUiSecond";
  if (!RegisterClassA(&wc)) return 2;

  HMENU bar = CreateMenu(), file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kMenuExit, "E&xit");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  HWND main = CreateWindowExA(0, "TwinUiMain", "Twin Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60,
                              120, 300, 160, nullptr, bar, instance, nullptr);
  if (!main) return 1;
  HANDLE second = CreateThread(nullptr, 0, Second_Thread, nullptr, 0, nullptr);
  if (!second) return 3;
  CloseHandle(second);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

// Stand-in for the dictionary program vordex, which comes from outside the suite. It looks up
// nothing; it speaks the dictionary program's window protocol:
//   - its main window has the class "VORDEXWND" and the title "青岚墨典" while word capture
//     runs, "青岚墨典(暂停)" while it is paused;
//   - WM_COMMAND 40008 brings the window up; WM_COMMAND 40012 (also with 40012 in the high
//     word) toggles word capture.
// Started with "-s" it begins hidden, capturing; otherwise it shows its window.
#include <windows.h>

#include <cstring>

namespace {

const char kClass[] = "VORDEXWND";
const char kTitle[] = "青岚墨典";
const char kTitlePaused[] = "青岚墨典(暂停)";
constexpr WORD kShow = 40008;
constexpr WORD kTogglePause = 40012;

bool g_paused = false;

LRESULT CALLBACK Main_Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kTogglePause) {
        g_paused = !g_paused;
        SetWindowTextA(hwnd, g_paused ? kTitlePaused : kTitle);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
      }
      if (LOWORD(wParam) == kShow) {
        ShowWindow(hwnd, SW_SHOWNORMAL);
        SetForegroundWindow(hwnd);
        return 0;
      }
      break;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      const char* text = g_paused ? "取词已暂停" : "取词中";
      SetBkMode(dc, TRANSPARENT);
      DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  // One dictionary at a time.
  if (FindWindowA(kClass, nullptr)) return 0;
  WNDCLASSA wc{};
  wc.lpfnWndProc = Main_Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClass;
  if (!RegisterClassA(&wc)) return 1;
  HWND hwnd = CreateWindowExA(0, kClass, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  if (!strstr(commandLine, "-s")) ShowWindow(hwnd, show);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

// Stand-in for the dictionary program vordex, which comes from outside the suite. It looks up
// nothing; it speaks the dictionary program's window protocol:
//   - its main window has the class "VORDEXWND" and the title "青岚墨典" while word capture
//     runs, "青岚墨典(暂停)" while it is paused;
//   - WM_COMMAND 40008 shows, restores and brings the window forward; WM_COMMAND 40012 (read
//     from the low word: the hook library sends it in both words) toggles word capture.
// Command line: "-s" begins hidden; "-p" begins with capture paused; "/record:<file>" appends
// one line per command and system command it receives, for the tests:
//   command <low word> <high word> <running|paused>
//   syscommand <command> <running|paused>
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "standin_record.h"

namespace {

const char kClass[] = "VORDEXWND";
const char kTitle[] = "青岚墨典";
const char kTitlePaused[] = "青岚墨典(暂停)";
constexpr WORD kShow = 40008;
constexpr WORD kTogglePause = 40012;

bool g_paused = false;
char g_record[MAX_PATH] = "";

// A switch standing as a word of its own on the command line.
bool Has_Switch(const char* commandLine, const char* name) {
  size_t n = std::strlen(name);
  for (const char* p = commandLine; (p = std::strstr(p, name)) != nullptr; p += n) {
    bool starts = p == commandLine || p[-1] == ' ';
    bool ends = p[n] == '\0' || p[n] == ' ';
    if (starts && ends) return true;
  }
  return false;
}

const char* State() { return g_paused ? "paused" : "running"; }

void Record(const char* line) {
  if (!g_record[0]) return;
  char text[128];
  int n = std::snprintf(text, sizeof text, "%s %s\r\n", line, State());
  if (n > 0) standin_append(g_record, text, static_cast<DWORD>(n));
}

LRESULT CALLBACK Main_Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      if (LOWORD(wParam) == kTogglePause) {
        g_paused = !g_paused;
        SetWindowTextA(hwnd, g_paused ? kTitlePaused : kTitle);
        InvalidateRect(hwnd, nullptr, TRUE);
      } else if (LOWORD(wParam) == kShow) {
        ShowWindow(hwnd, IsIconic(hwnd) ? SW_RESTORE : SW_SHOWNORMAL);
        SetForegroundWindow(hwnd);
      }
      char line[64];
      std::snprintf(line, sizeof line, "command %u %u", LOWORD(wParam), HIWORD(wParam));
      Record(line);
      return 0;
    }
    case WM_SYSCOMMAND: {
      char line[64];
      std::snprintf(line, sizeof line, "syscommand %u", static_cast<unsigned>(wParam & 0xFFF0));
      Record(line);
      break;
    }
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
  if (const char* r = std::strstr(commandLine, "/record:")) {
    r += std::strlen("/record:");
    size_t n = 0;
    while (r[n] && r[n] != ' ' && n + 1 < sizeof g_record) ++n;
    std::memcpy(g_record, r, n);
    g_record[n] = '\0';
  }
  g_paused = Has_Switch(commandLine, "-p");
  WNDCLASSA wc{};
  wc.lpfnWndProc = Main_Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClass;
  if (!RegisterClassA(&wc)) return 1;
  HWND hwnd = CreateWindowExA(0, kClass, g_paused ? kTitlePaused : kTitle, WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance,
                              nullptr);
  if (!hwnd) return 1;
  if (!Has_Switch(commandLine, "-s")) ShowWindow(hwnd, show);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

/* A document viewer for the tests: logs its command line and shows the named file. */
#include <windows.h>
#include <string.h>

#include "standin_record.h"

static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prev, LPSTR args, int show) {
  char log[MAX_PATH + 32], *slash;
  const char* line = GetCommandLineA();
  char file[MAX_PATH] = "";
  char shown[2048] = "";
  WNDCLASSA wc;
  HWND window;
  MSG m;
  (void)prev, (void)args;
  GetModuleFileNameA(NULL, log, MAX_PATH);
  slash = strrchr(log, '\\');
  strcpy(slash ? slash + 1 : log, "docviewer.log");
  standin_append(log, line, (DWORD)strlen(line));
  standin_append(log, "\r\n", 2);
  /* The document: the last quoted argument. */
  {
    const char* end = strrchr(line, '"');
    if (end && end > line) {
      const char* start = end - 1;
      while (start > line && *start != '"') --start;
      if (*start == '"' && end - start - 1 < MAX_PATH) {
        memcpy(file, start + 1, (size_t)(end - start - 1));
        file[end - start - 1] = 0;
      }
    }
  }
  {
    HANDLE f = CreateFileA(file, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    DWORD got = 0;
    if (f != INVALID_HANDLE_VALUE) {
      ReadFile(f, shown, sizeof shown - 1, &got, NULL);
      CloseHandle(f);
      shown[got] = 0;
    }
  }
  memset(&wc, 0, sizeof wc);
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  wc.lpszClassName = "QLDocViewer";
  RegisterClassA(&wc);
  window = CreateWindowExA(0, "QLDocViewer", file, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, 500, 300, NULL, NULL, instance, NULL);
  CreateWindowExA(0, "EDIT", shown, WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL,
                  0, 0, 480, 260, window, NULL, instance, NULL);
  ShowWindow(window, show);
  while (GetMessageA(&m, NULL, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  return 0;
}

#include "shell/startup.h"

#include "forms/pump.h"

namespace quillon {

namespace {

const char kMainCaption[] = "青岚键坊";
const char kMainClass[] = "QuillonMainForm";
constexpr int kClientWidth = 640;   // 9600 twips
constexpr int kClientHeight = 479;  // 7185 twips

HBITMAP g_face = nullptr;

LRESULT CALLBACK Main_Form_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (g_face) {
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, g_face);
        BITMAP bm{};
        GetObjectA(g_face, sizeof bm, &bm);
        RECT rc;
        GetClientRect(hwnd, &rc);
        BitBlt(dc, (rc.right - bm.bmWidth) / 2, (rc.bottom - bm.bmHeight) / 2, bm.bmWidth,
               bm.bmHeight, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteDC(mem);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

std::string Program_Folder() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return ".";
  std::string folder(path, n);
  size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? "." : folder.substr(0, slash);
}

int Run_Tutor(HINSTANCE instance, const char* /*command_line*/) {
  std::string library = Program_Folder() + "\\Lib\\artpack.dll";
  HMODULE art = LoadLibraryExA(library.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!art) {
    MessageBoxA(nullptr, "Not Found artpack.dll !!!", kMainCaption, MB_ICONSTOP);
    return 1;
  }
  g_face = static_cast<HBITMAP>(LoadImageA(art, "qd", IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));

  WNDCLASSA wc{};
  wc.lpfnWndProc = Main_Form_Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainClass;
  RegisterClassA(&wc);

  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT rc{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&rc, style, FALSE);
  int w = rc.right - rc.left, h = rc.bottom - rc.top;
  HWND hwnd = CreateWindowExA(0, kMainClass, kMainCaption, style,
                              (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                              (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h, nullptr, nullptr,
                              instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  int code = forms::Run_Message_Loop();
  if (g_face) DeleteObject(g_face);
  FreeLibrary(art);
  return code;
}

}  // namespace quillon

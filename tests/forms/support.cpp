#include "support.h"

#include "forms/pump.h"

namespace forms_test {

bool Pump_Until(const std::function<bool()>& done, int limit_ms) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (static_cast<int>(GetTickCount() - start) > limit_ms) return done();
    forms::Do_Events();
    MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  return true;
}

void Pump_For(int ms) {
  const DWORD start = GetTickCount();
  Pump_Until([&] { return static_cast<int>(GetTickCount() - start) >= ms; }, ms + 1000);
}

void Post_Key(HWND hwnd, int vk, bool alt) {
  UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN, up = alt ? WM_SYSKEYUP : WM_KEYUP;
  LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16) | (alt ? (1 << 29) : 0);
  PostMessageA(hwnd, down, vk, data);
  PostMessageA(hwnd, up, vk, data | (1u << 30) | (1u << 31));
}

void Post_Char(HWND hwnd, int ch) { PostMessageA(hwnd, WM_CHAR, ch, 1); }

void Post_Click(HWND hwnd, int x, int y) {
  LPARAM at = MAKELPARAM(x, y);
  PostMessageA(hwnd, WM_MOUSEMOVE, 0, at);
  PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
}

void Post_Move(HWND hwnd, int x, int y) { PostMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

COLORREF Painted_Pixel(HWND hwnd, int x, int y) {
  RECT r;
  GetClientRect(hwnd, &r);
  HDC screen = GetDC(hwnd);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  ReleaseDC(hwnd, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return c;
}

}  // namespace forms_test

#include "support.h"

#include "forms/pump.h"
#include "testkit/testkit.h"

namespace forms_test {

namespace {
void Forms_Pump() { forms::Do_Events(); }
}  // namespace

bool Pump_Until(const std::function<bool()>& done, int limit_ms) {
  return testkit::Wait_Until(done, std::chrono::milliseconds(limit_ms), Forms_Pump);
}

void Pump_For(int ms) { testkit::Pump_For(std::chrono::milliseconds(ms), Forms_Pump); }

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

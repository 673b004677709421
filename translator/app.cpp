#include "app.h"

namespace {

const char kBarClass[] = "LingvaneBar";
const char kBarCaption[] = "青岚墨译";

LRESULT CALLBACK Bar_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

BOOL CLingvaneApp::InitInstance() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Bar_Proc;
  wc.hInstance = m_hInstance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kBarClass;
  if (!RegisterClassA(&wc)) return FALSE;
  m_hBar = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kBarClass, kBarCaption,
                           WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 0, 320, 60, nullptr, nullptr,
                           m_hInstance, nullptr);
  if (!m_hBar) return FALSE;
  ShowWindow(m_hBar, SW_SHOW);
  return TRUE;
}

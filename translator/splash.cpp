#include "splash.h"

#include "appfw/app.h"

BEGIN_MSG_MAP(CSplashWnd, appfw::CWnd)
  ON_MSG(WM_PAINT, OnPaint)
  ON_MSG(WM_ERASEBKGND, OnEraseBkgnd)
END_MSG_MAP()

BOOL CSplashWnd::Create(UINT bitmapId) {
  picture_.Load(appfw::AfxGetResourceHandle(), MAKEINTRESOURCEA(bitmapId));
  int w = picture_.Width(), h = picture_.Height();
  int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  const char* cls = appfw::AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW));
  if (!CreateEx(0, cls, "", WS_POPUP, x, y, w, h, GetDesktopWindow(), nullptr)) return FALSE;
  ShowWindow(m_hWnd, SW_SHOW);
  UpdateWindow(m_hWnd);
  return TRUE;
}

BOOL CSplashWnd::DestroyWindow() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return appfw::CWnd::DestroyWindow();
}

LRESULT CSplashWnd::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_hWnd, &ps);
  picture_.Draw(dc, 0, 0);
  EndPaint(m_hWnd, &ps);
  return 0;
}

LRESULT CSplashWnd::OnEraseBkgnd(WPARAM, LPARAM) { return TRUE; }

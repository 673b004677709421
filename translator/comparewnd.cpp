#include "comparewnd.h"

#include "appfw/app.h"
#include "resource.h"
#include "trhook32.h"
#include "trhook95.h"

bool Tile_For_Layout(int layout, int w, int h, Compare_Tiling* out) {
  switch (layout) {
    case COMPARE_UPDOWN:
      *out = {{0, 0, w, h / 2}, {0, h / 2, w, h / 2 + h / 2}};
      return true;
    case COMPARE_LEFTRIGHT:
      *out = {{0, 0, w / 2, h}, {w / 2, 0, w / 2 + w / 2, h}};
      return true;
    default:
      return false;
  }
}

BEGIN_MSG_MAP(CCompareWnd, appfw::CWnd)
  ON_MSG(WM_COMPWND_SETTARGET, OnSetTarget)
  ON_MSG(WM_COMPWND_LAYOUT, OnLayout)
  ON_MSG(WM_COMPWND_TARGETGONE, OnTargetGone)
  ON_MSG(WM_LBUTTONUP, OnLButtonUp)
END_MSG_MAP()

BOOL CCompareWnd::Create() {
  if (!CreateEx(WS_EX_TOOLWINDOW, appfw::AfxRegisterWndClass(0), "CS_对照窗口II", WS_POPUP, 0, 0,
                0, 0, GetDesktopWindow(), nullptr)) {
    return FALSE;
  }
  SetWindowLongPtrA(m_hWnd, GWLP_ID, IDC_COMPARE_WND);
  return TRUE;
}

void CCompareWnd::RequestUpdate() {
  PostMessageA(compared_, WM_COMPTRANS_UPDATE, COMPTRANS_UPDATE_WPARAM, COMPTRANS_UPDATE_LPARAM);
}

LRESULT CCompareWnd::OnSetTarget(WPARAM layout, LPARAM target) {
  HWND compared = reinterpret_cast<HWND>(target);
  if (!compared || !IsWindow(compared)) return 0;
  layout_ = static_cast<int>(layout);
  compared_ = compared;
  SetCompWnd(compared_);
  // This message comes from another process: tile later, from our own queue.
  PostMessageA(m_hWnd, WM_COMPWND_LAYOUT, 0, 0);
  return 0;
}

LRESULT CCompareWnd::OnLayout(WPARAM, LPARAM) {
  if (!compared_ || !IsWindow(compared_)) return 0;
  Compare_Tiling t;
  if (Tile_For_Layout(layout_, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                      &t)) {
    SetWindowPos(compared_, nullptr, t.compared.left, t.compared.top,
                 t.compared.right - t.compared.left, t.compared.bottom - t.compared.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(m_hWnd, HWND_TOPMOST, t.comparison.left, t.comparison.top,
                 t.comparison.right - t.comparison.left, t.comparison.bottom - t.comparison.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
  }
  // Just above the other windows, but not always on top.
  SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RequestUpdate();
  return 0;
}

LRESULT CCompareWnd::OnTargetGone(WPARAM, LPARAM) {
  appfw::CWinApp* app = appfw::AfxGetApp();
  if (app && app->m_pMainWnd && app->m_pMainWnd->m_hWnd) {
    PostMessageA(app->m_pMainWnd->m_hWnd, WM_COMMAND, ID_COMPARE_OFF, 0);
  }
  return 0;
}

LRESULT CCompareWnd::OnLButtonUp(WPARAM, LPARAM) {
  RequestUpdate();
  return Default();
}

// The mini frame's layout: control bars at its edges, the main pane in what they leave.
#include "appfw/miniframe.h"
#include "appfw/statusbar.h"

namespace appfw {

BEGIN_MSG_MAP(CMiniFrameWnd, CWnd)
  ON_MSG(WM_SIZE, OnSize)
END_MSG_MAP()

namespace {

bool Is_Control_Bar_Id(UINT id) {
  return id >= AFX_IDW_CONTROLBAR_FIRST && id <= AFX_IDW_CONTROLBAR_LAST;
}

UINT Child_Id(HWND child) { return static_cast<UINT>(GetWindowLongPtrA(child, GWLP_ID)); }

// The height a bar along the bottom takes: its own measure when it is a framework status
// bar, else its current height.
int Bar_Height(HWND bar) {
  if (auto* status = dynamic_cast<CStatusBar*>(CWnd::FromHandle(bar))) return status->Height();
  RECT r;
  GetWindowRect(bar, &r);
  return r.bottom - r.top;
}

}  // namespace

HWND CMiniFrameWnd::GetControlBar(UINT id) const {
  if (!m_hWnd || !Is_Control_Bar_Id(id)) return nullptr;
  HWND child = GetDlgItem(m_hWnd, static_cast<int>(id));
  return child && GetParent(child) == m_hWnd ? child : nullptr;
}

BOOL CMiniFrameWnd::IsControlBarVisible(UINT id) const {
  HWND bar = GetControlBar(id);
  return bar && (GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) ? TRUE : FALSE;
}

BOOL CMiniFrameWnd::ShowControlBar(UINT id, BOOL show) {
  HWND bar = GetControlBar(id);
  if (!bar) return FALSE;
  ShowWindow(bar, show ? SW_SHOWNOACTIVATE : SW_HIDE);
  RecalcLayout();
  return TRUE;
}

RECT CMiniFrameWnd::Pane_Rect() const {
  RECT area{};
  if (!m_hWnd) return area;
  GetClientRect(m_hWnd, &area);
  for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!Is_Control_Bar_Id(Child_Id(child))) continue;
    if (!(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)) continue;
    area.bottom -= Bar_Height(child);
    if (area.bottom < area.top) area.bottom = area.top;
  }
  return area;
}

void CMiniFrameWnd::RecalcLayout() {
  if (!m_hWnd) return;
  RECT client;
  GetClientRect(m_hWnd, &client);
  int bottom = client.bottom;
  for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!Is_Control_Bar_Id(Child_Id(child))) continue;
    if (!(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)) continue;
    int height = Bar_Height(child);
    bottom -= height;
    if (bottom < client.top) bottom = client.top;
    SetWindowPos(child, nullptr, client.left, bottom, client.right - client.left, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT pane = Pane_Rect();
  if (HWND main = GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)) {
    SetWindowPos(main, nullptr, pane.left, pane.top, pane.right - pane.left,
                 pane.bottom - pane.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT CMiniFrameWnd::OnSize(WPARAM, LPARAM) {
  LRESULT result = Default();
  RecalcLayout();
  return result;
}

}  // namespace appfw

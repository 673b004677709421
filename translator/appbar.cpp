#include "appbar.h"

CAppBarHelper::CAppBarHelper() { m_abd.cbSize = sizeof m_abd; }

void CAppBarHelper::Init(HWND window, Dock_Edge edge, const RECT& rect, LPARAM lParam,
                         UINT callback) {
  m_abd.hWnd = window;
  Set_Edge(edge);
  m_abd.rc = rect;
  m_abd.lParam = lParam;
  m_abd.uCallbackMessage = callback;
  m_abd.cbSize = sizeof m_abd;
}

UINT_PTR CAppBarHelper::Send(DWORD message) { return SHAppBarMessage(message, &m_abd); }

BOOL CAppBarHelper::Register() {
  m_registered = Send(ABM_NEW) ? TRUE : FALSE;
  return m_registered;
}

BOOL CAppBarHelper::Remove() {
  BOOL done = Send(ABM_REMOVE) ? TRUE : FALSE;
  m_registered = FALSE;
  return done;
}

BOOL CAppBarHelper::QueryPos() { return Send(ABM_QUERYPOS) ? TRUE : FALSE; }
BOOL CAppBarHelper::SetPos() { return Send(ABM_SETPOS) ? TRUE : FALSE; }
BOOL CAppBarHelper::Activate() { return Send(ABM_ACTIVATE) ? TRUE : FALSE; }
BOOL CAppBarHelper::WindowPosChanged() { return Send(ABM_WINDOWPOSCHANGED) ? TRUE : FALSE; }

BOOL CAppBarHelper::SetAutoHide(BOOL on) {
  LPARAM old = m_abd.lParam;
  m_abd.lParam = on;
  BOOL done = Send(ABM_SETAUTOHIDEBAR) ? TRUE : FALSE;
  m_abd.lParam = old;
  if (done) m_autoHide = on;
  return done;
}

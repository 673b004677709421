#pragma once

#include <windows.h>
#include <shellapi.h>

#include "navlogic.h"

// One desktop application bar: the record the shell is told about and whether the shell took
// the bar as an auto-hide bar. Each operation sends one SHAppBarMessage; what the shell
// answers is not reported to the user.
class CAppBarHelper {
 public:
  CAppBarHelper();

  // Fills the record: the window, its edge, its rectangle, lParam and the callback message.
  void Init(HWND window, Dock_Edge edge, const RECT& rect, LPARAM lParam, UINT callback);
  BOOL Register();          // ABM_NEW, result kept
  BOOL Remove();            // ABM_REMOVE
  BOOL QueryPos();          // ABM_QUERYPOS: the shell may change the rectangle
  BOOL SetPos();            // ABM_SETPOS
  BOOL Activate();          // ABM_ACTIVATE
  BOOL WindowPosChanged();  // ABM_WINDOWPOSCHANGED
  // ABM_SETAUTOHIDEBAR with the wanted state: on success the state is kept and TRUE answered.
  BOOL SetAutoHide(BOOL on);

  void Set_Edge(Dock_Edge edge) { m_abd.uEdge = static_cast<UINT>(static_cast<int>(edge)); }
  Dock_Edge Edge() const { return static_cast<Dock_Edge>(static_cast<int>(m_abd.uEdge)); }
  void Set_Rect(const RECT& r) { m_abd.rc = r; }
  const RECT& Rect() const { return m_abd.rc; }
  BOOL Registered() const { return m_registered; }
  BOOL Auto_Hide() const { return m_autoHide; }

 private:
  UINT_PTR Send(DWORD message);
  APPBARDATA m_abd{};
  BOOL m_registered = FALSE;
  BOOL m_autoHide = FALSE;
};

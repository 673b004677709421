#pragma once

#include "appfw/wnd.h"

namespace appfw {

// A small frame window with a tool-window caption (no taskbar button), for floating and
// docking tool bars. Its layout (RecalcLayout, run on every size change) puts the visible
// control bars among its children (identifiers AFX_IDW_CONTROLBAR_FIRST to _LAST; the status
// bar along the bottom) and gives the main pane (AFX_IDW_PANE_FIRST) the rest of the client
// area.
class CMiniFrameWnd : public CWnd {
  DECLARE_MSG_MAP()

 public:
  BOOL Create(const char* title, DWORD style, const RECT& rect, HWND parent = nullptr,
              UINT id = 0);
  // The rectangle Create was given (the system may have made the window bigger before the
  // frame saw its first message).
  const RECT& Creation_Rect() const { return m_rectCreate; }

  virtual void RecalcLayout();
  // The control bar child with that identifier, or null.
  HWND GetControlBar(UINT id) const;
  // Shows or hides a control bar and lays the frame out again; FALSE when there is none.
  BOOL ShowControlBar(UINT id, BOOL show);
  BOOL IsControlBarVisible(UINT id) const;
  // The area the main pane gets: the client area less the visible control bars.
  RECT Pane_Rect() const;

 protected:
  LRESULT OnSize(WPARAM, LPARAM);
  RECT m_rectCreate{};
};

}  // namespace appfw

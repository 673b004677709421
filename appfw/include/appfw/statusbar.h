#pragma once

#include <windows.h>
#include <commctrl.h>

#include "appfw/wnd.h"

namespace appfw {

// The frame's control-bar and pane identifiers: control bars run from AFX_IDW_CONTROLBAR_FIRST
// to AFX_IDW_CONTROLBAR_LAST, the status bar among them; the main pane fills what they leave.
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PANE_FIRST 0xE900

// A status bar without panes: one line of text along the bottom of its frame. The frame
// places it (CMiniFrameWnd::RecalcLayout); it dies with its frame.
class CStatusBar : public CWnd {
 public:
  // style: WS_CHILD, WS_VISIBLE and the like; the bar never shows a size grip.
  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE, UINT id = AFX_IDW_STATUS_BAR);
  BOOL SetText(const char* text);
  CString GetText() const;
  // The height the bar takes at the bottom of its frame.
  int Height() const;
};

}  // namespace appfw

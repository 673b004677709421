#pragma once

#include "appfw/wnd.h"

namespace appfw {

// A small frame window with a tool-window caption (no taskbar button), for floating and
// docking tool bars.
class CMiniFrameWnd : public CWnd {
 public:
  BOOL Create(const char* title, DWORD style, const RECT& rect, HWND parent = nullptr,
              UINT id = 0);
};

}  // namespace appfw

#pragma once

#include "appfw/wnd.h"

// The comparison window: hidden until comparison translation tiles it beside the compared
// window. Both hook libraries address it by its handle.
class CCompareWnd : public appfw::CWnd {
 public:
  // Creates the window hidden at zero size: a tool window without caption or frame, titled
  // "CS_对照窗口II", with the desktop as parent.
  virtual BOOL Create();
};
